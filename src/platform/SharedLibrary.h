#pragma once

#include <string>

#include "platform/Exceptions.h"

// A system library that is missing or lacks a function the program calls.
class ELibraryMissing : public Exception {
public:
    using Exception::Exception;
};

// A system library opened at its first use rather than at the program's start, so that a
// program pays for loading it (and everything it depends on) only when it needs it. The
// library stays loaded for the rest of the run, as libraries such as GLib cannot be unloaded.
class TSharedLibrary {
public:
    // Opens the library of `soname`, e.g. "libmagic.so.1"; raises ELibraryMissing.
    explicit TSharedLibrary(const char* soname);

    // Points `function` at the library's function `name` (found in the library or in one it
    // depends on); raises ELibraryMissing. The pointer's type must be the function's own, as
    // its header declares it.
    template <typename FunctionPointer>
    void Bind(FunctionPointer& function, const char* name) const {
        function = reinterpret_cast<FunctionPointer>(Symbol(name));
    }

private:
    void* Symbol(const char* name) const;

    void* handle_;
    std::string soname_;
};
