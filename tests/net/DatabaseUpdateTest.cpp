#include "net/DatabaseUpdate.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ScriptedServer.h"
#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/ExtensionDatabase.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "support/RowName.h"

namespace fs = std::filesystem;

namespace {

std::string Enciphered(std::string_view plain) {
    return Encipher(plain, BuildDatabaseKey());
}

// A database whose last block deciphers to the given count byte.
std::string WithFinalCount(std::uint8_t count) {
    std::string last(7, 'x');
    last += static_cast<char>(count);
    return Enciphered("12345678" + last).substr(0, 16);
}

struct FramingRow {
    std::string name;
    std::string body;
    bool wellFormed;
};

class DatabaseFraming : public testing::TestWithParam<FramingRow> {};

TEST_P(DatabaseFraming, IsJudgedByLengthAndFinalCount) {
    TMemoryStream body = StreamOf(GetParam().body);
    EXPECT_EQ(IsWellFormedDatabase(body), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, DatabaseFraming,
    testing::Values(FramingRow{"SevenBytes", "1234567", false},
                    FramingRow{"EmptyDatabase", Enciphered(""), true},
                    FramingRow{"CutAtBlock", Enciphered("pdf;Acrobat;Reader;Win").substr(0, 16),
                               false},
                    FramingRow{"FinalCountSeven", WithFinalCount(7), true},
                    FramingRow{"FinalCountEight", WithFinalCount(8), false}),
    RowName());

std::string FileBytes(const fs::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST(ReceiveDatabase, ProcessKilledMidwayLeavesTheOldDatabaseLoadable) {
    const fs::path folder =
        fs::temp_directory_path() / ("lumbrafix kill " + std::to_string(::getpid()));
    const fs::path database = folder / "marbelin_ext.txt";
    fs::create_directories(folder);
    const std::string old = Enciphered("old;Old;Old;Win\r\n");
    std::ofstream(database, std::ios::binary) << old;
    const std::string body = Enciphered(std::string(100000, 'n'));
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n")
        .Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
              body.substr(0, 40000))
        .WaitForRelease();
    server.Start();
    const pid_t child = ::fork();
    if (child == 0) {
        TIdHTTP http;
        ApplyUpdateSettings(http);
        const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/";
        ReceiveDatabaseFile(database, [&](TStream& out) { http.Get(url, out); });
        ::_exit(0);
    }
    // The body has begun once the temporary file beside the database exists.
    const auto filesInFolder = [&] { return std::distance(fs::directory_iterator(folder), {}); };
    for (int wait = 0; wait < 1000 && filesInFolder() < 2; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(filesInFolder(), 2);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    server.Release();
    EXPECT_EQ(FileBytes(database), old);
    TFileStream file(database, TFileMode::fmOpenReadExclusive);
    EXPECT_EQ(ReadExtensionLines(file, BuildDatabaseKey()), TStringList{"old;Old;Old;Win"});
    fs::remove_all(folder);
}

}  // namespace
