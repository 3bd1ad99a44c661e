#include "net/DatabaseUpdate.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include <filesystem>
#include <fstream>
#include <sstream>

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

// An enciphered body whose last block deciphers to the given count byte.
std::string WithFinalCount(std::uint8_t count) {
    std::string body = Enciphered("doc;Word;Winword;Win\r\n");
    std::string last = Decipher(body.substr(body.size() - 8) + Enciphered(""), BuildDatabaseKey());
    last.resize(8);
    last[7] = static_cast<char>(count);
    return body.substr(0, body.size() - 8) + Encipher(last, BuildDatabaseKey()).substr(0, 8);
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
    testing::Values(FramingRow{"Empty", "", false}, FramingRow{"SevenBytes", "1234567", false},
                    FramingRow{"EmptyDatabase", Enciphered(""), true},
                    FramingRow{"Database", Enciphered("pdf;Acrobat;Reader;Win\r\n"), true},
                    FramingRow{"OneByteMore", Enciphered("pdf;Acrobat;Reader;Win") + "x", false},
                    FramingRow{"CutAtBlock", Enciphered("pdf;Acrobat;Reader;Win").substr(0, 16),
                               false},
                    FramingRow{"FinalCountSeven", WithFinalCount(7), true},
                    FramingRow{"FinalCountEight", WithFinalCount(8), false},
                    FramingRow{"HtmlPage", "<html><body>Not Found</body></html>\n", false}),
    RowName());

class ReceiveDatabase : public testing::Test {
protected:
    ReceiveDatabase() { fs::create_directories(folder_); }
    ~ReceiveDatabase() override { fs::remove_all(folder_); }

    std::string DatabasePath() const { return (folder_ / "marbelin_ext.txt").string(); }
    std::string DatabaseBytes() const {
        std::ostringstream bytes;
        bytes << std::ifstream(DatabasePath(), std::ios::binary).rdbuf();
        return bytes.str();
    }
    // The size of the temporary file that receives the body, or -1 while there is none.
    std::int64_t ReceivingSize() const {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path() != DatabasePath()) {
                return static_cast<std::int64_t>(entry.file_size());
            }
        }
        return -1;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("lumbrafix update " + std::to_string(::getpid()));
};

TEST_F(ReceiveDatabase, MissingDatabaseIsCreated) {
    const std::string body = Enciphered("new;New;New;Unix\r\n");
    ReceiveDatabaseFile(DatabasePath(),
                        [&](TStream& out) { out.WriteBuffer(body.data(), body.size()); });
    EXPECT_EQ(DatabaseBytes(), body);
}

TEST_F(ReceiveDatabase, ProcessKilledMidwayLeavesTheOldDatabaseLoadable) {
    const std::string old = Enciphered("old;Old;Old;Win\r\n");
    std::ofstream(DatabasePath(), std::ios::binary) << old;
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
        ReceiveDatabaseFile(DatabasePath(), [&](TStream& out) { http.Get(url, out); });
        ::_exit(0);
    }
    for (int wait = 0; wait < 1000 && ReceivingSize() < 40000; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GE(ReceivingSize(), 40000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    server.Release();
    EXPECT_EQ(DatabaseBytes(), old);
    TFileStream file(DatabasePath(), TFileMode::fmOpenReadExclusive);
    EXPECT_EQ(ReadExtensionLines(file, BuildDatabaseKey()), TStringList{"old;Old;Old;Win"});
}

TEST(ReceiveDatabaseUnwritable, RefusesBeforeTheTransfer) {
    // Nobody may create files in the root of sysfs, not even the superuser the tests may run as.
    bool transferred = false;
    EXPECT_THROW(
        ReceiveDatabaseFile("/sys/marbelin_ext.txt", [&](TStream&) { transferred = true; }),
        EFCreateError);
    EXPECT_FALSE(transferred);
}

}  // namespace
