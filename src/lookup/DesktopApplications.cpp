#include "lookup/DesktopApplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

// GLib's own cleanup (g_autoptr, g_autolist) releases every object and list it hands out.

namespace {

TDesktopApplication Described(GAppInfo* application, bool isDefault) {
    const char* id = g_app_info_get_id(application);
    return {id != nullptr ? id : "", g_app_info_get_name(application), isDefault};
}

}  // namespace

std::vector<TDesktopApplication> ApplicationsFor(const std::string& mimeType) {
    std::vector<TDesktopApplication> applications;
    g_autoptr(GAppInfo) preferred = g_app_info_get_default_for_type(mimeType.c_str(), FALSE);
    if (preferred != nullptr) {
        applications.push_back(Described(preferred, true));
    }
    g_autolist(GAppInfo) all = g_app_info_get_all_for_type(mimeType.c_str());
    for (GList* item = all; item != nullptr; item = item->next) {
        auto* application = static_cast<GAppInfo*>(item->data);
        if (preferred == nullptr || !g_app_info_equal(application, preferred)) {
            applications.push_back(Described(application, false));
        }
    }
    return applications;
}

void LaunchApplication(const std::string& id, const std::string& path) {
    g_autoptr(GDesktopAppInfo) application = g_desktop_app_info_new(id.c_str());
    if (application == nullptr) {
        throw ELaunchFailed("no application " + id);
    }
    g_autoptr(GFile) file = g_file_new_for_path(path.c_str());
    GList files{file, nullptr, nullptr};
    g_autoptr(GError) error = nullptr;
    if (!g_app_info_launch(G_APP_INFO(application), &files, nullptr, &error)) {
        // GIO sets the error whenever the launch fails.
        throw ELaunchFailed(error->message);
    }
}
