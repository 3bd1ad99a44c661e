#include "lookup/DesktopApplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GAppInfo, ObjectUnref>;
using File = std::unique_ptr<GFile, ObjectUnref>;

TDesktopApplication Described(GAppInfo* application, bool isDefault) {
    const char* id = g_app_info_get_id(application);
    return {id != nullptr ? id : "", g_app_info_get_name(application), isDefault};
}

}  // namespace

std::vector<TDesktopApplication> ApplicationsFor(const std::string& mimeType) {
    std::vector<TDesktopApplication> applications;
    const AppInfo preferred(g_app_info_get_default_for_type(mimeType.c_str(), FALSE));
    if (preferred) {
        applications.push_back(Described(preferred.get(), true));
    }
    GList* all = g_app_info_get_all_for_type(mimeType.c_str());
    for (GList* item = all; item != nullptr; item = item->next) {
        auto* application = static_cast<GAppInfo*>(item->data);
        if (!preferred || !g_app_info_equal(application, preferred.get())) {
            applications.push_back(Described(application, false));
        }
    }
    g_list_free_full(all, g_object_unref);
    return applications;
}

void LaunchApplication(const std::string& id, const std::string& path) {
    const AppInfo application(G_APP_INFO(g_desktop_app_info_new(id.c_str())));
    if (!application) {
        throw ELaunchFailed("no application " + id);
    }
    const File file(g_file_new_for_path(path.c_str()));
    GList files{file.get(), nullptr, nullptr};
    GError* error = nullptr;
    if (!g_app_info_launch(application.get(), &files, nullptr, &error)) {
        // GIO sets the error whenever the launch fails.
        const std::string reason = error->message;
        g_clear_error(&error);
        throw ELaunchFailed(reason);
    }
}
