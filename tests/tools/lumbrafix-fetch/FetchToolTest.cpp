#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "FetchCommand.h"
#include "ScriptedServer.h"
#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "support/RowName.h"

namespace {

std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        text.append(chunk, n);
    }
    return text;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A run of the tool with its output captured, on a target file that holds "old" before.
class FetchRun : public testing::Test {
protected:
    FetchRun() { std::ofstream(target) << "old"; }
    ~FetchRun() override {
        std::fclose(out);
        std::fclose(err);
        std::remove(target.c_str());
    }

    int Run(const std::vector<std::string>& arguments) {
        const int exitCode = RunFetch(arguments, out, err);
        printed = ReadAll(out);
        complaint = ReadAll(err);
        return exitCode;
    }

    std::string target = testing::TempDir() + "fetch-target-" + std::to_string(::getpid());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::string printed;
    std::string complaint;
};

struct FetchRow {
    const char* name;
    std::string option;  // one option before URL and FILE, or none
    std::string response;
    std::string file;   // the target afterwards
    std::string cause;  // what the complaint names; empty: success and no complaint
};

class FetchResponses : public FetchRun, public testing::WithParamInterface<FetchRow> {};

TEST_P(FetchResponses, ReplaceTheFileOnlyWithACompleteBodyWithinTheLimits) {
    const FetchRow& row = GetParam();
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(row.response).Close().Start();
    std::vector<std::string> arguments{"http://127.0.0.1:" + std::to_string(server.Port()), target};
    if (!row.option.empty()) {
        arguments.insert(arguments.begin(), row.option);
    }
    EXPECT_EQ(Run(arguments), row.cause.empty() ? 0 : 1);
    EXPECT_EQ(FileText(target), row.file);
    EXPECT_EQ(printed.rfind("HTTP/1.", 0), 0u);
    EXPECT_EQ(complaint.empty(), row.cause.empty());
    EXPECT_NE(complaint.find(row.cause), std::string::npos) << complaint;
}

std::string Ok(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

const std::string kDatabase = Encipher(".a;A;Ap;Win\r\n", BuildDatabaseKey());

INSTANTIATE_TEST_SUITE_P(
    Tool, FetchResponses,
    testing::Values(
        FetchRow{"CompleteBody", "", Ok("hello"), "hello", ""},
        FetchRow{"NotFound", "", "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone", "old",
                 "the server answered HTTP/1.1 404 Not Found"},
        FetchRow{"EarlyEnd", "", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", "old",
                 "the response is no valid HTTP"},
        FetchRow{"LengthBeyondTheLimit", "--max-size=4", Ok("hello"), "old",
                 "larger than the limit of 4 bytes"},
        FetchRow{"BodyUntilCloseBeyondTheLimit", "--max-size=4", "HTTP/1.0 200 OK\r\n\r\nhello",
                 "old", "larger than the limit of 4 bytes"},
        FetchRow{"BodyAtTheLimit", "--max-size=5", Ok("hello"), "hello", ""},
        FetchRow{"DatabaseWanted", "--database", Ok(kDatabase), kDatabase, ""},
        FetchRow{"HtmlPageForADatabase", "--database", Ok("<html><body>Login</body></html>\n"),
                 "old", "no Lumbrafix database"}),
    RowName());

// A head that trickles in and a body that stalls are each cut at the time-out.
TEST_F(FetchRun, TimeoutEndsASlowHeadAndASilentBody) {
    ScriptedServer slowHead;
    slowHead.ReceiveUntil("\r\n\r\n").Send("HTTP/1.1 200 OK\r\n");
    for (int byte = 0; byte < 40; ++byte) {
        slowHead.Pause(100).Send("X");
    }
    slowHead.Start();
    EXPECT_EQ(
        Run({"--timeout", "1", "http://127.0.0.1:" + std::to_string(slowHead.Port()), target}), 1);
    EXPECT_NE(complaint.find("no response head within 1 seconds"), std::string::npos);

    ScriptedServer silentBody;
    silentBody.ReceiveUntil("\r\n\r\n").Send(Ok("hello").substr(0, 40)).WaitForRelease().Start();
    EXPECT_EQ(Run({"--timeout=1", "http://127.0.0.1:" + std::to_string(silentBody.Port()), target}),
              1);
    silentBody.Release();
    EXPECT_NE(complaint.find("the server sent nothing for 1 seconds"), std::string::npos);
    EXPECT_EQ(FileText(target), "old");
}

TEST_F(FetchRun, ResetConnectionIsNamed) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Reset().Start();
    EXPECT_EQ(Run({"http://127.0.0.1:" + std::to_string(server.Port()), target}), 1);
    EXPECT_NE(complaint.find("the server reset the connection"), std::string::npos) << complaint;
}

TEST_F(FetchRun, VerbosePrintsStatusAndWorkAsTheyHappen) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok").Start();
    EXPECT_EQ(Run({"-v", "http://127.0.0.1:" + std::to_string(server.Port()) + "/", target}), 0);
    EXPECT_NE(printed.find("status: Verbunden.\nwork begin read 2\nwork read 2\nwork end read\n"
                           "HTTP/1.1 200 OK\n"),
              std::string::npos)
        << printed;
}

TEST_F(FetchRun, WrongUsageExitsWith2AndHelpWith0) {
    for (const char* line : {"only-one", "u f extra", "--timeout 0 u f", "--timeout=86401 u f",
                             "--max-size -1 u f", "u f --max-size", "--unknown u f"}) {
        std::istringstream words(line);
        EXPECT_EQ(Run({std::istream_iterator<std::string>(words), {}}), 2) << line;
        EXPECT_NE(complaint.find("--help"), std::string::npos);
    }
    EXPECT_EQ(Run({"u", "--help", "--timeout=x"}), 0);
    EXPECT_EQ(printed.rfind("Usage: lumbrafix-fetch", 0), 0u);
}

}  // namespace
