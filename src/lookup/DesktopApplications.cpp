#include "lookup/DesktopApplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

#include "platform/SharedLibrary.h"

namespace {

// GIO's functions, from the library loaded at their first use: the main window needs GIO only
// when a file is examined, and loading it (with GObject and its other libraries) at every
// start costs time.
struct GioFunctions {
    decltype(&g_app_info_get_default_for_type) defaultForType;
    decltype(&g_app_info_get_all_for_type) allForType;
    decltype(&g_app_info_get_id) id;
    decltype(&g_app_info_get_name) name;
    decltype(&g_app_info_equal) equal;
    decltype(&g_app_info_launch) launch;
    decltype(&g_desktop_app_info_new) desktopApplication;
    decltype(&g_file_new_for_path) fileForPath;
    decltype(&g_object_unref) unref;
    decltype(&g_list_free_full) freeList;
    decltype(&g_error_free) freeError;
};

GioFunctions BindGio() {
    const TSharedLibrary library("libgio-2.0.so.0");
    GioFunctions gio{};
    library.Bind(gio.defaultForType, "g_app_info_get_default_for_type");
    library.Bind(gio.allForType, "g_app_info_get_all_for_type");
    library.Bind(gio.id, "g_app_info_get_id");
    library.Bind(gio.name, "g_app_info_get_name");
    library.Bind(gio.equal, "g_app_info_equal");
    library.Bind(gio.launch, "g_app_info_launch");
    library.Bind(gio.desktopApplication, "g_desktop_app_info_new");
    library.Bind(gio.fileForPath, "g_file_new_for_path");
    library.Bind(gio.unref, "g_object_unref");
    library.Bind(gio.freeList, "g_list_free_full");
    library.Bind(gio.freeError, "g_error_free");
    return gio;
}

const GioFunctions& Gio() {
    static const GioFunctions gio = BindGio();
    return gio;
}

// Every object, list and error GIO hands out is released through these.
struct ReleaseObject {
    void operator()(void* object) const { Gio().unref(object); }
};
struct ReleaseObjectList {
    void operator()(GList* list) const { Gio().freeList(list, Gio().unref); }
};
struct ReleaseError {
    void operator()(GError* error) const { Gio().freeError(error); }
};
template <typename Object>
using Owned = std::unique_ptr<Object, ReleaseObject>;

TDesktopApplication Described(GAppInfo* application, bool isDefault) {
    const char* id = Gio().id(application);
    return {id != nullptr ? id : "", Gio().name(application), isDefault};
}

}  // namespace

std::vector<TDesktopApplication> ApplicationsFor(const std::string& mimeType) {
    std::vector<TDesktopApplication> applications;
    const Owned<GAppInfo> preferred(Gio().defaultForType(mimeType.c_str(), FALSE));
    if (preferred != nullptr) {
        applications.push_back(Described(preferred.get(), true));
    }
    const std::unique_ptr<GList, ReleaseObjectList> all(Gio().allForType(mimeType.c_str()));
    for (GList* item = all.get(); item != nullptr; item = item->next) {
        auto* application = static_cast<GAppInfo*>(item->data);
        if (preferred == nullptr || !Gio().equal(application, preferred.get())) {
            applications.push_back(Described(application, false));
        }
    }
    return applications;
}

void LaunchApplication(const std::string& id, const std::string& path) {
    const Owned<GDesktopAppInfo> application(Gio().desktopApplication(id.c_str()));
    if (application == nullptr) {
        throw ELaunchFailed("no application " + id);
    }
    const Owned<GFile> file(Gio().fileForPath(path.c_str()));
    GList files{file.get(), nullptr, nullptr};
    GError* failure = nullptr;
    // A desktop application is a GAppInfo: the GObject interface cast without its type check.
    const bool launched =
        Gio().launch(reinterpret_cast<GAppInfo*>(application.get()), &files, nullptr, &failure);
    const std::unique_ptr<GError, ReleaseError> error(failure);
    if (!launched) {
        // GIO sets the error whenever the launch fails.
        throw ELaunchFailed(error->message);
    }
}
