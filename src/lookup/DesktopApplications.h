#pragma once

#include <string>
#include <vector>

#include "platform/Exceptions.h"

// The installed applications of the desktop's MIME associations (desktop files and
// mimeapps.list, as GIO reads them).

struct TDesktopApplication {
    std::string id;    // the desktop file's name, e.g. "org.gnome.Evince.desktop"
    std::string name;  // the name the desktop shows
    bool isDefault = false;
};

// An application that could not be started; the message is GIO's reason, in UTF-8.
class ELaunchFailed : public Exception {
public:
    using Exception::Exception;
};

// The applications that open `mimeType`, the user's default first, each once.
std::vector<TDesktopApplication> ApplicationsFor(const std::string& mimeType);

// Starts the application with desktop file `id` on the file `path`; raises ELaunchFailed.
void LaunchApplication(const std::string& id, const std::string& path);
