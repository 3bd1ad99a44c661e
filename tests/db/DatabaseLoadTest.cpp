// The start-up load of the database file. Missing files, folders and load errors reach the
// window through it and are pinned by the window's start-up tests.
//
// Fault: bytes that decipher to no database (a web page) handed on as lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/DatabaseLoad.h"

TEST(DatabaseLoad, BytesThatDecipherToNoDatabaseGiveNoLines) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("lumbrafix page " + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << Encipher("<html>\n", BuildDatabaseKey());
    const std::optional<TStringList> page = StartDatabaseLoad(file).get();
    std::filesystem::remove(file);
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->empty());
}
