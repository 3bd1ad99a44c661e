#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FetchCommand.h"
#include "ScriptedServer.h"
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
    std::string response;
    int exitCode;
    std::string file;     // the target afterwards
    std::string printed;  // the output's first line
    std::string complaint;
};

class FetchResponses : public FetchRun, public testing::WithParamInterface<FetchRow> {};

TEST_P(FetchResponses, ReplaceTheFileOnlyWithACompleteBody) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(GetParam().response).Close().Start();
    const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/f";
    EXPECT_EQ(Run({url, target}), GetParam().exitCode);
    EXPECT_EQ(FileText(target), GetParam().file);
    EXPECT_EQ(printed.substr(0, printed.find('\n') + 1), GetParam().printed);
    EXPECT_EQ(complaint, GetParam().complaint);
}

INSTANTIATE_TEST_SUITE_P(
    Tool, FetchResponses,
    testing::Values(
        FetchRow{"CompleteBody", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", 0, "hello",
                 "HTTP/1.1 200 OK\n", ""},
        FetchRow{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone", 1, "old",
                 "HTTP/1.1 404 Not Found\n",
                 "lumbrafix-fetch: EIdHTTPProtocolException: HTTP/1.1 404 Not Found\n"},
        FetchRow{"EarlyEnd", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", 1, "old",
                 "HTTP/1.1 200 OK\n",
                 "lumbrafix-fetch: EIdHTTPInvalidResponse: Die Verbindung wurde vor dem Ende "
                 "der Daten geschlossen.\n"}),
    RowName());

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
    EXPECT_EQ(Run({"only-one"}), 2);
    EXPECT_NE(complaint.find("--help"), std::string::npos);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(printed.rfind("Usage: lumbrafix-fetch", 0), 0u);
}

}  // namespace
