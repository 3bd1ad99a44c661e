// Faults: the user's default application not found or not marked as the default, or listed
// twice; a launch of an installed application failing, or a good one reported as failed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "lookup/DesktopApplications.h"

TEST(DesktopApplications, UsersDefaultIsListedOnceAndStarts) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("lumbrafix apps " + std::to_string(::getpid()));
    std::filesystem::create_directories(home / "applications");
    std::ofstream(home / "applications" / "lumbrafix-test-viewer.desktop")
        << "[Desktop Entry]\nType=Application\nName=Test Viewer\nExec=true %f\n"
           "MimeType=application/x-lumbrafix-test;\n";
    std::ofstream(home / "mimeapps.list")
        << "[Default Applications]\napplication/x-lumbrafix-test=lumbrafix-test-viewer.desktop\n";
    for (const char* variable : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME"}) {
        ::setenv(variable, home.c_str(), 1);
    }

    const std::vector<TDesktopApplication> found = ApplicationsFor("application/x-lumbrafix-test");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].id, "lumbrafix-test-viewer.desktop");
    EXPECT_EQ(found[0].name, "Test Viewer");
    EXPECT_TRUE(found[0].isDefault);
    EXPECT_NO_THROW(LaunchApplication("lumbrafix-test-viewer.desktop", home.string()));
    std::filesystem::remove_all(home);
}
