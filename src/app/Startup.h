#pragma once

#include <memory>
#include <string>

#include "platform/ProgramPath.h"

class TLumbrafixForm;

// Builds the main window the way the program starts: the language is settled, the splash is
// put on the screen, the database in `programFolder` is loaded under
// the hourglass, and the splash is destroyed again. The window is not shown yet.
std::unique_ptr<TLumbrafixForm> StartLumbrafix(
    std::filesystem::path programFolder = ProgramFolder());

// The program's own icon for every window.
void SetProgramIcon();
