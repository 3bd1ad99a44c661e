#pragma once

// Makes the pictures compiled into the program reachable under ":/"; safe to call often.
void InitProgramResources();
