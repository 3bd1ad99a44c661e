#pragma once

#include <memory>
#include <string>

#include "platform/ProgramPath.h"

class TLumbrafixForm;

// Builds the main window the way the program starts: the database in `programFolder` is read
// on a thread of its own while the window is built and its language settled; the window then
// waits for the load under the hourglass, behind the splash if the load takes long enough for
// the user to notice. The window is not shown yet.
std::unique_ptr<TLumbrafixForm> StartLumbrafix(
    std::filesystem::path programFolder = ProgramFolder());

// The program's own icon for every window.
void SetProgramIcon();
