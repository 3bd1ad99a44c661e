#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EventLog.h"
#include "ScriptedServer.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/Streams.h"
#include "support/RowName.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kEndOfHead = "\r\n\r\n";

std::string StreamText(TMemoryStream& stream) {
    return std::string(reinterpret_cast<const char*>(stream.Memory()),
                       static_cast<std::size_t>(stream.Size()));
}

std::string LocalUrl(int port, const std::string& path = "/marbelin_ext.txt") {
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

// What came of a GET, in words: "" for a success, "protocol 404", "invalid", "closed",
// or the message of another error.
std::string Outcome(const std::function<void()>& get) {
    try {
        get();
        return {};
    } catch (const EIdHTTPProtocolException& error) {
        return "protocol " + std::to_string(error.ErrorCode());
    } catch (const EIdHTTPInvalidResponse&) {
        return "invalid";
    } catch (const EIdConnClosedGracefully&) {
        return "closed";
    } catch (const EIdReadLnMaxLineLengthExceeded&) {
        return "line too long";
    } catch (const EIdException& error) {
        return error.Message();
    }
}

// One GET against a server that sends the response in two parts split at `split` (or whole
// when split is npos) and then closes.
struct Exchange {
    Exchange(const std::string& response, std::size_t split) {
        server.ReceiveUntil(kEndOfHead);
        if (split < response.size()) {
            server.Send(response.substr(0, split)).Pause(1).Send(response.substr(split));
        } else {
            server.Send(response);
        }
        server.Close().Start();
        ApplyUpdateSettings(http);
        log.Attach(http);
        outcome = Outcome([&] { http.Get(LocalUrl(server.Port()), body); });
        error = outcome;
    }

    ScriptedServer server;
    TIdHTTP http;
    TMemoryStream body;
    EventLog log;
    std::string outcome;
    std::string error;
};

// --- Responses, whole and split at every byte ----------------------------------------------

struct ResponseRow {
    const char* name;
    std::string response;
    std::string outcome;  // see Outcome()
    std::string body;     // what the destination holds afterwards
    Lines begins;         // the work begin events of the whole response
    std::size_t lastWork;
};

class Responses : public testing::TestWithParam<ResponseRow> {};

class LongResponses : public Responses {};

TEST_P(LongResponses, WholeGiveBodyOutcomeAndWorkEvents) {
    const ResponseRow& row = GetParam();
    Exchange exchange(row.response, std::string::npos);
    EXPECT_EQ(exchange.outcome, row.outcome);
    EXPECT_EQ(StreamText(exchange.body), row.body);
}

TEST_P(Responses, WholeGiveBodyOutcomeAndWorkEvents) {
    const ResponseRow& row = GetParam();
    Exchange exchange(row.response, std::string::npos);
    EXPECT_EQ(exchange.outcome, row.outcome);
    EXPECT_EQ(StreamText(exchange.body), row.body);
    EXPECT_EQ(exchange.log.Starting("begin"), row.begins);
    EXPECT_EQ(exchange.log.Starting("end").size(), row.begins.size());
    const Lines works = exchange.log.Starting("work");
    EXPECT_EQ(works.empty() ? "" : works.back(),
              row.begins.empty() ? "" : "work read " + std::to_string(row.lastWork));
}

// A failed body may leave a different part in the destination depending on where it broke.
TEST_P(Responses, SplitAtEveryByteGiveTheSameOutcomeAndBody) {
    const ResponseRow& row = GetParam();
    for (std::size_t split = 1; split < row.response.size(); ++split) {
        Exchange exchange(row.response, split);
        ASSERT_EQ(exchange.outcome, row.outcome) << "split at " << split;
        if (row.outcome.empty()) {
            ASSERT_EQ(StreamText(exchange.body), row.body) << "split at " << split;
        }
    }
}

const std::string kOk = "HTTP/1.1 200 OK\r\n";

INSTANTIATE_TEST_SUITE_P(
    Get, Responses,
    testing::Values(
        ResponseRow{"ContentLength5",
                    kOk + "Content-Length: 5\r\n\r\nhello",
                    "",
                    "hello",
                    {"begin read 5"},
                    5},
        ResponseRow{"Chunks3And2",
                    kOk + "Transfer-Encoding: chunked\r\n\r\n3\r\nhel\r\n2;x=y\r\nlo\r\n0\r\n\r\n",
                    "",
                    "hello",
                    {"begin read 3", "begin read 2"},
                    2},
        ResponseRow{"UntilClose", "HTTP/1.0 200 OK\r\n\r\nhello", "", "hello", {"begin read 0"}, 5},
        ResponseRow{"ContentLength0", kOk + "Content-Length: 0\r\n\r\n", "", "", {}, 0},
        ResponseRow{"NoContent204", "HTTP/1.1 204 No Content\r\n\r\n", "", "", {}, 0},
        ResponseRow{"Continue100Skipped",
                    "HTTP/1.1 100 Continue\r\n\r\n" + kOk + "Content-Length: 2\r\n\r\nok",
                    "",
                    "ok",
                    {"begin read 2"},
                    2},
        ResponseRow{"NotFoundBodyInError",
                    "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone",
                    "protocol 404",
                    "",
                    {"begin read 4"},
                    4},
        ResponseRow{"Found302",
                    "HTTP/1.1 302 Found\r\nLocation: /new\r\nContent-Length: 0\r\n\r\n",
                    "protocol 302",
                    "",
                    {},
                    0},
        ResponseRow{"OkWithLocationIsARedirect",
                    kOk + "Location: /new\r\nContent-Length: 2\r\n\r\nok",
                    "protocol 200",
                    "",
                    {"begin read 2"},
                    2},
        ResponseRow{"StatusWithoutNumber",
                    "HTTP/1.1 OK\r\nContent-Length: 0\r\n\r\n",
                    "protocol -1",
                    "",
                    {},
                    0},
        ResponseRow{"ClosedInsideTheHead", kOk + "Server: x\r\n", "Undefined situation", "", {}, 0},
        ResponseRow{"ClosedAfterTheStatusLine", kOk, "closed", "", {}, 0},
        ResponseRow{"EarlyEndOfLength",
                    kOk + "Content-Length: 9\r\n\r\nhello",
                    "invalid",
                    "hello",
                    {"begin read 9"},
                    5},
        ResponseRow{"EarlyEndInsideChunk",
                    kOk + "Transfer-Encoding: chunked\r\n\r\n5\r\nhel",
                    "invalid",
                    "hel",
                    {"begin read 5"},
                    3},
        ResponseRow{"EarlyEndBeforeLastChunk",
                    kOk + "Transfer-Encoding: chunked\r\n\r\n2\r\nhe\r\n",
                    "invalid",
                    "he",
                    {"begin read 2"},
                    2},
        ResponseRow{"ChunkSizeNotHexadecimal",
                    kOk + "Transfer-Encoding: chunked\r\n\r\nzz\r\nhello",
                    "invalid",
                    "",
                    {},
                    0},
        ResponseRow{"ChunkSizeBeyond64Bits",
                    kOk + "Transfer-Encoding: chunked\r\n\r\n10000000000000000\r\n",
                    "invalid",
                    "",
                    {},
                    0},
        ResponseRow{"ContentLengthBeyond64Bits",
                    kOk + "Content-Length: 9223372036854775808\r\n\r\n",
                    "invalid",
                    "",
                    {},
                    0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(HeaderLines, LongResponses,
                         testing::Values(ResponseRow{"HeaderLine16383Accepted",
                                                     kOk + "X: " + std::string(16380, 'a') +
                                                         "\r\nContent-Length: 1\r\n\r\n!",
                                                     "",
                                                     "!",
                                                     {"begin read 1"},
                                                     1},
                                         ResponseRow{
                                             "HeaderLine16384TooLong",
                                             kOk + "X: " + std::string(16381, 'a') + "\r\n\r\n",
                                             "line too long",
                                             "",
                                             {},
                                             0}),
                         RowName());

// --- The request on the wire ----------------------------------------------------------------

class HttpGet : public testing::Test {
protected:
    void SetUp() override {
        ApplyUpdateSettings(http);
        log.Attach(http);
    }

    std::string Get(const std::string& path = "/marbelin_ext.txt") {
        return Outcome([&] { http.Get(LocalUrl(server.Port(), path), body); });
    }

    ScriptedServer server;
    TIdHTTP http;
    TMemoryStream body;
    EventLog log;
};

TEST_F(HttpGet, UpdateRequestIsExactlyTheseLines) {
    server.ReceiveUntil(kEndOfHead).Send(kOk + "Content-Length: 0\r\n\r\n").Start();
    EXPECT_EQ(Get(), "");
    server.Join();
    EXPECT_EQ(server.Received(),
              "GET /marbelin_ext.txt HTTP/1.1\r\n"
              "Content-Type: text/html\r\n"
              "Host: 127.0.0.1:" +
                  std::to_string(server.Port()) +
                  "\r\n"
                  "Accept: text/html, */*\r\n"
                  "User-Agent: Mozilla/3.0 (compatible; marbelin-online\r\n"
                  "\r\n");
}

TEST_F(HttpGet, CookiesOfOneResponseGoWithTheNextRequestOverTheSameConnection) {
    server.ReceiveUntil(kEndOfHead)
        .Send(kOk +
              "Set-Cookie: id=42; Path=/\r\nSet-Cookie: hidden=1\r\nContent-Length: 1\r\n\r\na")
        .ReceiveUntil(kEndOfHead)
        .Send(kOk + "Content-Length: 1\r\n\r\nb")
        .Start();
    EXPECT_EQ(Get(), "");
    EXPECT_TRUE(http.Connected());
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(StreamText(body), "ab");
    server.Join();
    const std::string second = server.Received().substr(server.Received().find(kEndOfHead) + 4);
    EXPECT_NE(second.find("marbelin-online\r\nCookie: id=42\r\n\r\n"), std::string::npos) << second;
}

TEST_F(HttpGet, ConnectionCloseEndsTheConnection) {
    server.ReceiveUntil(kEndOfHead)
        .Send(kOk + "Connection: close\r\nContent-Length: 1\r\n\r\na")
        .Start();
    EXPECT_EQ(Get(), "");
    EXPECT_FALSE(http.Connected());
    EXPECT_FALSE(http.Response().KeepAlive);
}

TEST_F(HttpGet, BytesBeyondTheBodyAreNotTakenForTheNextResponse) {
    server.ReceiveUntil(kEndOfHead)
        .Send(kOk + "Content-Length: 2\r\n\r\nokHTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nbad")
        .Start();
    EXPECT_EQ(Get(), "");
    // The client must connect afresh; this server takes no second connection and stays mute.
    http.ReadTimeout = 300;
    EXPECT_EQ(Get(),
              "Zeit\xFC"
              "berschreitung beim Lesen");
    EXPECT_EQ(StreamText(body), "ok");
}

TEST_F(HttpGet, HeadBeyondItsLimitIsRefused) {
    std::string head = kOk;
    while (head.size() <= TIdHTTPProtocol::kMaxHeadBytes) {
        head += "X-Filler: " + std::string(1000, 'f') + "\r\n";
    }
    server.ReceiveUntil(kEndOfHead).Send(head + "\r\n").Start();
    EXPECT_EQ(Get(), "invalid");
    EXPECT_FALSE(http.Connected());
}

TEST_F(HttpGet, ErrorBodyIsCutAtItsLimitAndTheStatusStillReported) {
    const std::size_t length = TIdHTTPProtocol::kMaxErrorBodyBytes + 1000;
    server.ReceiveUntil(kEndOfHead)
        .Send("HTTP/1.1 500 Oops\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n" +
              std::string(length, 'e'))
        .Start();
    try {
        http.Get(LocalUrl(server.Port()), body);
        FAIL() << "no error";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ErrorCode(), 500);
        EXPECT_EQ(error.Message(), "HTTP/1.1 500 Oops");
        EXPECT_EQ(error.ErrorMessage().size(), TIdHTTPProtocol::kMaxErrorBodyBytes);
    }
    EXPECT_EQ(body.Size(), 0);
}

TEST_F(HttpGet, HttpsNeedsATlsHandler) {
    EXPECT_EQ(Outcome([&] { http.Get("https://127.0.0.1/x", body); }),
              "Wert f\xFCr IOHandler ist ung\xFC"
              "ltig");
}

// --- URL handling ---------------------------------------------------------------------------

struct UrlRow {
    const char* name;
    std::string url;
    std::string target;  // or the error: "unknown protocol"
    std::string host;    // the Host header
};

class UrlHandling : public testing::TestWithParam<UrlRow> {};

TEST_P(UrlHandling, GivesTargetAndHostHeader) {
    TIdHTTP http;
    try {
        http.PrepareRequest(GetParam().url);
        EXPECT_EQ(http.Request().URL, GetParam().target);
        EXPECT_EQ(http.Request().Host, GetParam().host);
    } catch (const EIdUnknownProtocol&) {
        EXPECT_EQ(GetParam().target, "unknown protocol");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Urls, UrlHandling,
    testing::Values(UrlRow{"UpdateDownload", "http://lumbrafix.example/marbelin_ext.txt",
                           "/marbelin_ext.txt", "lumbrafix.example"},
                    UrlRow{"PortInHostHeader", "http://h:8080/a", "/a", "h:8080"},
                    UrlRow{"HttpsTakes443", "https://h/a", "/a", "h:443"},
                    UrlRow{"BackslashesAreSlashes", "http://h\\dir\\f.txt", "/dir/f.txt", "h"},
                    UrlRow{"ParamsKeptBookmarkDropped", "http://h/d/f.php?a=b#top", "/d/f.php?a=b",
                           "h"},
                    UrlRow{"EqualsWithoutQuestionMark", "http://h/d/f=1/x", "/d/f=1/x", "h"},
                    UrlRow{"NoPath", "http://h", "/", "h"},
                    UrlRow{"UserAndPassword", "http://u:p@h/x", "/x", "h"},
                    UrlRow{"OtherProtocolWithoutPort", "ftp://h/x", "unknown protocol", ""},
                    UrlRow{"OtherProtocolWithPort", "ftp://h:21/x", "/x", "h:21"}),
    RowName());

struct MergeRow {
    const char* name;
    std::string base;
    std::string relative;
    std::string merged;
};

class PathMerging : public testing::TestWithParam<MergeRow> {};

TEST_P(PathMerging, JoinsCollapsesAndClimbs) {
    EXPECT_EQ(TIdURI::MergePaths(GetParam().base, GetParam().relative), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathMerging,
                         testing::Values(MergeRow{"AbsoluteReplaces", "/a/b/", "/c/", "/c/"},
                                         MergeRow{"RelativeJoins", "/a/", "b/", "/a/b/"},
                                         MergeRow{"SlashAddedBetween", "/a", "b", "/a/b"},
                                         MergeRow{"RunsOfSlashesCollapse", "/a//", "b//c/",
                                                  "/a/b/c/"},
                                         MergeRow{"DotDotClimbs", "/a/b/", "../c/", "/a/c/"},
                                         MergeRow{"DotDotStopsAtTheRoot", "/", "../../c/", "/c/"},
                                         MergeRow{"EmptyKeepsTheTrailingSlash", "/a/", "", "/a/"}),
                         RowName());

}  // namespace
