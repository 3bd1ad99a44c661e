#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ConnectionTestSupport.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/Streams.h"
#include "support/RowName.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kEndOfHead = "\r\n\r\n";

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
    }

    ScriptedServer server;
    TIdHTTP http;
    TMemoryStream body;
    EventLog log;
    std::string outcome;
};

// --- Responses, whole and split at every byte ----------------------------------------------

// A response of status line, header lines and body.
std::string Reply(const std::string& status, const std::string& headers, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers + "\r\n" + body;
}

const std::string kChunked = "Transfer-Encoding: chunked\r\n";

struct ResponseRow {
    const char* name;
    std::string response;
    std::string outcome;  // see Outcome()
    std::string body;     // what the destination holds afterwards
    std::string events;   // the work events of the whole response: "begin N", "work N", "end"
};

// The work events of a log in short: every begin and end, and the last count before each end.
std::string WorkSummary(const Lines& lines) {
    std::string summary;
    std::string lastWork;
    for (const std::string& line : lines) {
        if (line.rfind("status ", 0) == 0) {
            continue;
        }
        if (line.rfind("work ", 0) == 0) {
            lastWork = line.substr(10);
            continue;
        }
        if (line == "end read" && !lastWork.empty()) {
            summary += "work " + lastWork + ", ";
        }
        summary += line == "end read" ? "end, " : "begin " + line.substr(11) + ", ";
        lastWork.clear();
    }
    return summary.substr(0, summary.empty() ? 0 : summary.size() - 2);
}

class Responses : public testing::TestWithParam<ResponseRow> {};

TEST_P(Responses, WholeGiveBodyOutcomeAndWorkEvents) {
    const ResponseRow& row = GetParam();
    Exchange exchange(row.response, std::string::npos);
    EXPECT_EQ(exchange.outcome, row.outcome);
    EXPECT_EQ(StreamText(exchange.body), row.body);
    EXPECT_EQ(WorkSummary(exchange.log.lines), row.events);
}

class ShortResponses : public Responses {};

// A failed body may leave a different part in the destination depending on where it broke.
TEST_P(ShortResponses, SplitAtEveryByteGiveTheSameOutcomeAndBody) {
    const ResponseRow& row = GetParam();
    for (std::size_t split = 1; split < row.response.size(); ++split) {
        Exchange exchange(row.response, split);
        ASSERT_EQ(exchange.outcome, row.outcome) << "split at " << split;
        if (row.outcome.empty()) {
            ASSERT_EQ(StreamText(exchange.body), row.body) << "split at " << split;
        }
    }
}

const auto kShortResponses = testing::Values(
    ResponseRow{"ContentLength5", Reply("200 OK", "Content-Length: 5\r\n", "hello"), "", "hello",
                "begin 5, work 5, end"},
    ResponseRow{"Chunks3And2", Reply("200 OK", kChunked, "3\r\nhel\r\n2;x=y\r\nlo\r\n0\r\n\r\n"),
                "", "hello", "begin 3, work 3, end, begin 2, work 2, end"},
    ResponseRow{"UntilClose", "HTTP/1.0 200 OK\r\n\r\nhello", "", "hello", "begin 0, work 5, end"},
    ResponseRow{"ContentLength0", Reply("200 OK", "Content-Length: 0\r\n", ""), "", "", ""},
    ResponseRow{"NoContent204", Reply("204 No Content", "", ""), "", "", ""},
    ResponseRow{"Continue100Skipped",
                Reply("100 Continue", "", "") + Reply("200 OK", "Content-Length: 2\r\n", "ok"), "",
                "ok", "begin 2, work 2, end"},
    ResponseRow{"NotFoundBodyInError", Reply("404 Not Found", "Content-Length: 4\r\n", "gone"),
                "protocol 404", "", "begin 4, work 4, end"},
    ResponseRow{"Found302", Reply("302 Found", "Location: /new\r\nContent-Length: 0\r\n", ""),
                "protocol 302", "", ""},
    ResponseRow{"OkWithLocationIsARedirect",
                Reply("200 OK", "Location: /new\r\nContent-Length: 2\r\n", "ok"), "protocol 200",
                "", "begin 2, work 2, end"},
    ResponseRow{"StatusWithoutNumber", Reply("OK", "Content-Length: 0\r\n", ""), "protocol -1", "",
                ""},
    ResponseRow{"ClosedInsideTheHead", "HTTP/1.1 200 OK\r\nServer: x\r\n", "Undefined situation",
                "", ""},
    ResponseRow{"ClosedAfterTheStatusLine", "HTTP/1.1 200 OK\r\n", "closed", "", ""},
    ResponseRow{"EarlyEndOfLength", Reply("200 OK", "Content-Length: 9\r\n", "hello"), "invalid",
                "hello", "begin 9, work 5, end"},
    ResponseRow{"EarlyEndInsideChunk", Reply("200 OK", kChunked, "5\r\nhel"), "invalid", "hel",
                "begin 5, work 3, end"},
    ResponseRow{"EarlyEndBeforeLastChunk", Reply("200 OK", kChunked, "2\r\nhe\r\n"), "invalid",
                "he", "begin 2, work 2, end"},
    ResponseRow{"ChunkSizeNotHexadecimal", Reply("200 OK", kChunked, "zz\r\nhello"), "invalid", "",
                ""},
    ResponseRow{"ChunkSizeBeyond64Bits", Reply("200 OK", kChunked, "10000000000000000\r\n"),
                "invalid", "", ""},
    ResponseRow{"ContentLengthBeyond64Bits",
                Reply("200 OK", "Content-Length: 9223372036854775808\r\n", ""), "invalid", "", ""},
    ResponseRow{"ChunkedInCapitals",
                Reply("200 OK", "Transfer-Encoding: Chunked\r\n", "2\r\nok\r\n0\r\n\r\n"), "", "ok",
                "begin 2, work 2, end"},
    ResponseRow{"ChunkedWinsOverLength",
                Reply("200 OK", "Content-Length: 2\r\n" + kChunked, "5\r\nhello\r\n0\r\n\r\n"), "",
                "hello", "begin 5, work 5, end"},
    ResponseRow{"OtherCodingReadUntilClose",
                Reply("200 OK", "Transfer-Encoding: gzip\r\nContent-Length: 2\r\n", "hello"), "",
                "hello", "begin 0, work 5, end"},
    ResponseRow{"EqualLengthsRepeated",
                Reply("200 OK", "Content-Length: 2, 2\r\nContent-Length: 2\r\n", "ok"), "", "ok",
                "begin 2, work 2, end"},
    ResponseRow{"DifferentLengths",
                Reply("200 OK", "Content-Length: 2\r\nContent-Length: 5\r\n", "hello"), "invalid",
                "", ""},
    ResponseRow{"ChunkLongerThanItsSize", Reply("200 OK", kChunked, "2\r\nhello\r\n0\r\n\r\n"),
                "invalid", "he", "begin 2, work 2, end"},
    ResponseRow{"TrailerAfterTheLastChunk",
                Reply("200 OK", kChunked, "2\r\nok\r\n0\r\nX-Sum: 1\r\n\r\n"), "", "ok",
                "begin 2, work 2, end"},
    ResponseRow{"EarlyEndInsideTheTrailer", Reply("200 OK", kChunked, "2\r\nok\r\n0\r\nX-Su"),
                "invalid", "ok", "begin 2, work 2, end"});

INSTANTIATE_TEST_SUITE_P(Get, Responses, kShortResponses, RowName());
INSTANTIATE_TEST_SUITE_P(Get, ShortResponses, kShortResponses, RowName());
INSTANTIATE_TEST_SUITE_P(
    HeaderLines, Responses,
    testing::Values(ResponseRow{"HeaderLine16383Accepted",
                                Reply("200 OK",
                                      "X: " + std::string(16380, 'a') + "\r\nContent-Length: 1\r\n",
                                      "!"),
                                "", "!", "begin 1, work 1, end"},
                    ResponseRow{"HeaderLine16384TooLong",
                                Reply("200 OK", "X: " + std::string(16381, 'a') + "\r\n", ""),
                                "line too long", "", ""}),
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
    server.ReceiveUntil(kEndOfHead).Send(Reply("200 OK", "Content-Length: 0\r\n", "")).Start();
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
        .Send(Reply("200 OK",
                    "Set-Cookie: id=42; Path=/\r\nSet-Cookie: x=1\r\nContent-Length: 1\r\n", "a"))
        .ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", "Content-Length: 1\r\n", "b"))
        .Start();
    EXPECT_EQ(Get(), "");
    EXPECT_TRUE(http.Connected());
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(StreamText(body), "ab");
    server.Join();
    const std::string second = server.Received().substr(server.Received().find(kEndOfHead) + 4);
    EXPECT_NE(second.find("marbelin-online\r\nCookie: id=42\r\n\r\n"), std::string::npos) << second;
}

TEST_F(HttpGet, ChunkedResponseWithATrailerLeavesTheConnectionInStep) {
    server.ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", kChunked, "1\r\na\r\n0\r\nX-Sum: 1\r\n\r\n"))
        .ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", "Content-Length: 1\r\n", "b"))
        .Start();
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(StreamText(body), "ab");
}

TEST_F(HttpGet, AnotherServerIsNotAskedOverTheOpenConnection) {
    ScriptedServer other;
    for (ScriptedServer* each : {&server, &other}) {
        each->ReceiveUntil(kEndOfHead).Send(Reply("200 OK", "Content-Length: 1\r\n", "x")).Start();
    }
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(Outcome([&] { http.Get(LocalUrl(other.Port()), body); }), "");
    EXPECT_EQ(other.Received().rfind("GET ", 0), 0u);
}

TEST_F(HttpGet, ConnectionCloseEndsTheConnection) {
    server.ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", "Connection: close\r\nContent-Length: 1\r\n", "a"))
        .Start();
    EXPECT_EQ(Get(), "");
    EXPECT_FALSE(http.Connected());
    EXPECT_FALSE(http.Response().KeepAlive);
}

TEST_F(HttpGet, BytesBeyondTheBodyAreNotTakenForTheNextResponse) {
    server.ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", "Content-Length: 2\r\n",
                    "ok" + Reply("200 OK", "Content-Length: 3\r\n", "bad")))
        .Start();
    EXPECT_EQ(Get(), "");
    // The client must connect afresh; this server takes no second connection and stays mute.
    http.ReadTimeout = 300;
    EXPECT_EQ(Get(),
              "Zeit\xFC"
              "berschreitung beim Lesen");
    EXPECT_EQ(StreamText(body), "ok");
}

TEST_F(HttpGet, HeadTimeoutEndsAHeadThatStopsHalfway) {
    server.ReceiveUntil(kEndOfHead).Send("HTTP/1.1 200 OK\r\n").WaitForRelease().Start();
    http.ReadTimeout = 0;  // only the head's own limit is left
    http.HeadTimeout = 200;
    EXPECT_EQ(Get(),
              "Zeit\xFC"
              "berschreitung beim Lesen");
    server.Release();
}

TEST_F(HttpGet, HeadBeyondItsLimitIsRefused) {
    std::string head = "HTTP/1.1 200 OK\r\n";
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

TEST_F(HttpGet, FollowedRedirectDropsItsBodyAndFetchesTheNewPlace) {
    server.ReceiveUntil(kEndOfHead)
        .Send(Reply("302 Found", "Location: /new/place.txt\r\nContent-Length: 5\r\n", "moved"))
        .ReceiveUntil(kEndOfHead)
        .Send(Reply("200 OK", "Content-Length: 3\r\n", "new"))
        .Start();
    http.HandleRedirects = true;
    body.WriteBuffer("P", 1);  // the body goes after what the destination held
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(StreamText(body), "Pnew");
    server.Join();
    EXPECT_NE(server.Received().find("GET /new/place.txt HTTP/1.1"), std::string::npos);
}

TEST_F(HttpGet, HandledRedirectEndsWithItsLocation) {
    server.ReceiveUntil(kEndOfHead)
        .Send(Reply("301 Moved", "Location: /elsewhere\r\nContent-Length: 0\r\n", ""))
        .Start();
    http.OnRedirect = [](TIdCustomHTTP&, std::string&, std::string&, bool& handled) {
        handled = true;
    };
    EXPECT_EQ(Get(), "");
    EXPECT_EQ(http.Response().Location, "/elsewhere");
    EXPECT_EQ(body.Size(), 0);
}

TEST_F(HttpGet, Http10AsksForKeepAliveAndClosesWithoutIt) {
    server.ReceiveUntil(kEndOfHead).Send(Reply("200 OK", "Content-Length: 1\r\n", "a")).Start();
    http.ProtocolVersion = pv1_0;
    EXPECT_EQ(Get(), "");
    EXPECT_FALSE(http.Connected());
    server.Join();
    EXPECT_EQ(
        server.Received().rfind("GET /marbelin_ext.txt HTTP/1.0\r\nConnection: keep-alive\r\n", 0),
        0u);
}

TEST_F(HttpGet, PortBeyondTheRangeIsRefusedBeforeConnecting) {
    EXPECT_EQ(Outcome([&] { http.Get("http://127.0.0.1:65536/x", body); }),
              "Ung\xFC"
              "ltige Portnummer 65536.");
    EXPECT_TRUE(log.lines.empty());
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
