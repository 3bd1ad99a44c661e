#include "platform/SharedLibrary.h"

#include <dlfcn.h>

TSharedLibrary::TSharedLibrary(const char* soname)
    : handle_(::dlopen(soname, RTLD_NOW | RTLD_LOCAL)), soname_(soname) {
    if (handle_ == nullptr) {
        const char* reason = ::dlerror();
        throw ELibraryMissing("cannot load " + soname_ + ": " +
                              (reason != nullptr ? reason : "unknown error"));
    }
}

void* TSharedLibrary::Symbol(const char* name) const {
    // Every function the program binds has an address; a null one means it is missing.
    void* symbol = ::dlsym(handle_, name);
    if (symbol == nullptr) {
        throw ELibraryMissing(soname_ + " has no " + name);
    }
    return symbol;
}
