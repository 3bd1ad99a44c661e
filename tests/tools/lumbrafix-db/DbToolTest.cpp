#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DbToolArguments.h"
#include "DbToolCommands.h"
#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"

namespace fs = std::filesystem;

namespace {

const char* const kCountingKeyHex = "000102030405060708090a0B0c0D0e0F";

CipherKey16 CountingKey() {
    CipherKey16 key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(i);
    }
    return key;
}

class DbToolFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("lumbrafix-db-test-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the built tool with stdout and stderr sent to files; returns its exit code.
    int RunTool(const std::string& arguments) const {
        const std::string line = std::string("'") + LUMBRAFIX_DB_TOOL + "' " + arguments + " >'" +
                                 PathOf("stdout") + "' 2>'" + PathOf("stderr") + "'";
        const int status = std::system(line.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path dir_;
};

}  // namespace

TEST(ParseHexKey, AcceptsExactly32HexDigits) {
    EXPECT_EQ(ParseHexKey(kCountingKeyHex), CountingKey());
    struct Case {
        const char* name;
        const char* hex;
    };
    for (const Case c : {Case{"31 digits", "000102030405060708090a0b0c0d0e0"},
                         Case{"33 digits", "000102030405060708090a0b0c0d0e0f0"}, Case{"empty", ""},
                         Case{"non-hex letter", "000102030405060708090a0b0c0d0e0g"},
                         Case{"space", "00010203040506070809 a0b0c0d0e0f"},
                         Case{"0x prefix", "0x0102030405060708090a0b0c0d0e0f"}}) {
        EXPECT_THROW(ParseHexKey(c.hex), EUsageError) << c.name;
    }
}

TEST(ParseDbToolArguments, CommandsFilesAndKey) {
    const DbToolCommand encipher = ParseDbToolArguments({"encipher", "in.txt", "out.db"});
    EXPECT_EQ(encipher.action, DbToolAction::Encipher);
    EXPECT_EQ(encipher.input, "in.txt");
    EXPECT_EQ(encipher.output, "out.db");
    EXPECT_EQ(encipher.key, BuildDatabaseKey());

    const DbToolCommand decipher =
        ParseDbToolArguments({"decipher", "in.db", "--key", kCountingKeyHex, "out.txt"});
    EXPECT_EQ(decipher.action, DbToolAction::Decipher);
    EXPECT_EQ(decipher.key, CountingKey());
    EXPECT_EQ(decipher.output, "out.txt");

    const DbToolCommand check =
        ParseDbToolArguments({"check", std::string("--key=") + kCountingKeyHex, "f.db"});
    EXPECT_EQ(check.action, DbToolAction::Check);
    EXPECT_EQ(check.input, "f.db");
    EXPECT_EQ(check.key, CountingKey());

    const DbToolCommand build = ParseDbToolArguments(
        {"build", "--mime-types", "m.types", "data", "--mime-types-data=m.json", "out.db"});
    EXPECT_EQ(build.action, DbToolAction::Build);
    EXPECT_EQ(build.input, "data");
    EXPECT_EQ(build.output, "out.db");
    EXPECT_EQ(build.mimeTypes, "m.types");
    EXPECT_EQ(build.mimeTypesData, "m.json");

    EXPECT_EQ(ParseDbToolArguments({"check", "f.db", "--help"}).action, DbToolAction::Help);
    EXPECT_EQ(ParseDbToolArguments({"--help"}).action, DbToolAction::Help);
}

TEST(ParseDbToolArguments, RefusesMalformedCommandLines) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"shuffle", "a", "b"},
        {"encipher", "only-in"},
        {"encipher", "a", "b", "c"},
        {"check"},
        {"check", "a", "b"},
        {"check", "a", "--key"},
        {"check", "a", "--key", "0011"},
        {"check", "a", "--verbose"},
        {"encipher", "a", "b", "--mime-types", "m"},
        {"build", "data"},
        {"build", "data", "out", "--mime-types"},
    };
    for (const auto& arguments : cases) {
        EXPECT_THROW(ParseDbToolArguments(arguments), EUsageError)
            << testing::PrintToString(arguments);
    }
}

TEST_F(DbToolFiles, EncipherDecipherRoundTripThroughFiles) {
    const std::string plain = ".doc;Word document;Word;Win Mac\r\n.gz;Archive;gzip;Unix\r\n";
    EncipherFile(Write("plain.txt", plain), PathOf("db"), CountingKey());
    EXPECT_EQ(Read("db"), Encipher(plain, CountingKey()));
    DecipherFile(PathOf("db"), PathOf("back.txt"), CountingKey());
    EXPECT_EQ(Read("back.txt"), plain);
}

TEST_F(DbToolFiles, FailedDecipherLeavesTheOldOutputAndNoTemporaryFile) {
    Write("out.txt", "old content");
    Write("bad.db", EncipheredBlock({1, 2, 3, 4, 5, 6, 7, 200}, BuildDatabaseKey()));
    EXPECT_THROW(DecipherFile(PathOf("bad.db"), PathOf("out.txt"), BuildDatabaseKey()),
                 ECipherException);
    EXPECT_EQ(Read("out.txt"), "old content");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(DbToolFiles, ToolExitCodesAndOutputs) {
    EXPECT_EQ(RunTool("--help"), 0);
    EXPECT_NE(Read("stdout").find("Usage: lumbrafix-db encipher"), std::string::npos);

    EXPECT_EQ(RunTool(""), 2);
    EXPECT_EQ(RunTool("check --key 0011 x"), 2);
    EXPECT_NE(Read("stderr").find("32 hexadecimal digits"), std::string::npos);

    Write("plain.txt", ".a;A;Ap;Win\n.b;B;Bp;Mac\n");
    EXPECT_EQ(RunTool("encipher '" + PathOf("plain.txt") + "' '" + PathOf("e.db") + "'"), 0);
    EXPECT_EQ(RunTool("check '" + PathOf("e.db") + "'"), 0);
    EXPECT_NE(Read("stdout").find("well-formed database, 2 line(s)"), std::string::npos);
    EXPECT_EQ(RunTool("decipher '" + PathOf("e.db") + "' '" + PathOf("d.txt") + "'"), 0);
    EXPECT_EQ(Read("d.txt"), ".a;A;Ap;Win\n.b;B;Bp;Mac\n");

    Write("short.db", "1234");
    EXPECT_EQ(RunTool("check '" + PathOf("short.db") + "'"), 1);
    EXPECT_NE(Read("stdout").find("not a well-formed database"), std::string::npos);
    EXPECT_EQ(RunTool("decipher '" + PathOf("short.db") + "' '" + PathOf("x.txt") + "'"), 1);
    EXPECT_NE(Read("stderr").find("Invalid file format"), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("x.txt")));
    EXPECT_EQ(RunTool("check '" + PathOf("missing.db") + "'"), 1);
    EXPECT_EQ(RunTool("lint '" + PathOf("missing.db") + "'"), 1);
    EXPECT_NE(Read("stderr").find("cannot read"), std::string::npos);
    EXPECT_EQ(RunTool("lint '" + Write("empty.db", "") + "'"), 1);
    EXPECT_NE(Read("stderr").find("Invalid file format"), std::string::npos);
    Write("plain.txt", ".a;A;Ap;Win\ntwo\n");
    EXPECT_EQ(RunTool("encipher '" + PathOf("plain.txt") + "' '" + PathOf("e.db") + "'"), 0);
    EXPECT_EQ(RunTool("lint '" + PathOf("e.db") + "'"), 1);
    EXPECT_NE(Read("stdout").find("e.db:2: needs exactly four ';'-separated fields: two\n"),
              std::string::npos);

    Write("extensions.txt", ".a;A file;A tool;Win\n");
    Write("types.txt", "image/;;GIMP;Unix\n");
    Write("mime.types", "image/b b\n");
    Write("mime.json", "[]");
    const std::string sources = "--mime-types '" + PathOf("mime.types") + "' --mime-types-data '" +
                                PathOf("mime.json") + "' '" + dir_.string() + "' ";
    EXPECT_EQ(RunTool("build " + sources + "'" + PathOf("b.db") + "'"), 0);
    DecipherFile(PathOf("b.db"), PathOf("b.txt"), BuildDatabaseKey());
    EXPECT_EQ(Read("b.txt"), ".a;A file;A tool;Win\r\n.b;B image;GIMP;Unix\r\n");
    EXPECT_EQ(RunTool("lint '" + PathOf("b.db") + "'"), 0);
    EXPECT_NE(Read("stdout").find("2 line(s), no finding"), std::string::npos);
    fs::remove(PathOf("mime.json"));
    EXPECT_EQ(RunTool("build " + sources + "'" + PathOf("c.db") + "'"), 1);
    EXPECT_NE(Read("stderr").find("cannot read"), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("c.db")));
}
