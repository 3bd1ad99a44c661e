#pragma once

// The program's version comes from the build (the project's version), so that the title, the
// texts, --version and the package never disagree.
#ifndef LUMBRAFIX_VERSION
#error "LUMBRAFIX_VERSION is set by the build"
#endif

// How the windows and message boxes name the program: "Lumbrafix v1.2".
#define LUMBRAFIX_TITLE "Lumbrafix v" LUMBRAFIX_VERSION
