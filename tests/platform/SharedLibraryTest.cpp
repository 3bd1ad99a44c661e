// Faults: a missing library or function taken for a usable one (a null call later), a bound
// pointer that does not reach the library's function, a message without the library's name.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/SharedLibrary.h"

TEST(SharedLibrary, BoundFunctionIsTheLibrarysOwn) {
    const TSharedLibrary library("libc.so.6");
    decltype(&std::strlen) length = nullptr;
    library.Bind(length, "strlen");
    EXPECT_EQ(length("four"), 4u);
}

TEST(SharedLibrary, MissingLibraryOrFunctionIsNamed) {
    try {
        const TSharedLibrary library("liblumbrafix-none.so.9");
        FAIL() << "opened a library that does not exist";
    } catch (const ELibraryMissing& error) {
        EXPECT_NE(error.Message().find("liblumbrafix-none.so.9"), std::string::npos);
        EXPECT_NE(error.Message().find("No such file"), std::string::npos);  // the loader's reason
    }
    const TSharedLibrary library("libc.so.6");
    void (*function)() = nullptr;
    EXPECT_THROW(library.Bind(function, "lumbrafix_no_such_function"), ELibraryMissing);
    EXPECT_EQ(function, nullptr);
}
