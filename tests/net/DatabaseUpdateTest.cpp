#include "net/DatabaseUpdate.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"
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
    ReceiveDatabase() {
        folder_ = fs::temp_directory_path() / ("lumbrafix update " + std::to_string(::getpid()));
        fs::create_directories(folder_);
        std::ofstream(DatabasePath(), std::ios::binary) << kOld;
    }
    ~ReceiveDatabase() override { fs::remove_all(folder_); }

    std::string DatabasePath() const { return (folder_ / "marbelin_ext.txt").string(); }
    std::string DatabaseBytes() const {
        std::ostringstream bytes;
        bytes << std::ifstream(DatabasePath(), std::ios::binary).rdbuf();
        return bytes.str();
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    static TDatabaseTransfer Sending(std::string body) {
        return [body](TStream& out) { out.WriteBuffer(body.data(), body.size()); };
    }

    const std::string kOld = Enciphered("old;Old;Old;Win\r\n");
    fs::path folder_;
};

TEST_F(ReceiveDatabase, CompleteBodyReplacesTheFileByteForByte) {
    const std::string body = Enciphered("new;New;New;Unix\r\n");
    ReceiveDatabaseFile(DatabasePath(), Sending(body));
    EXPECT_EQ(DatabaseBytes(), body);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ReceiveDatabase, MissingDatabaseIsCreated) {
    fs::remove(DatabasePath());
    ReceiveDatabaseFile(DatabasePath(), Sending(kOld));
    EXPECT_EQ(DatabaseBytes(), kOld);
}

TEST_F(ReceiveDatabase, BodyThatIsNoDatabaseKeepsTheOldFile) {
    EXPECT_THROW(ReceiveDatabaseFile(DatabasePath(), Sending("<html>moved</html>")),
                 EDatabaseUpdateError);
    EXPECT_EQ(DatabaseBytes(), kOld);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ReceiveDatabase, TransferFailingMidwayKeepsTheOldFile) {
    const auto breaking = [](TStream& out) {
        out.WriteBuffer("12345678", 8);
        throw EWriteError("No space left on device");
    };
    EXPECT_THROW(ReceiveDatabaseFile(DatabasePath(), breaking), EWriteError);
    EXPECT_EQ(DatabaseBytes(), kOld);
    EXPECT_EQ(FilesInFolder(), 1u);
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
