#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "ConnectionTestSupport.h"
#include "net/IdException.h"
#include "net/IdTCPClient.h"
#include "platform/Streams.h"
#include "support/RowName.h"

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// --- Line reading ---------------------------------------------------------------------------

struct LineRow {
    const char* name;
    std::vector<std::string> chunks;  // sent with short pauses between them
    Lines expected;
};

class LineEndings : public TcpConnection, public testing::WithParamInterface<LineRow> {};

TEST_P(LineEndings, ReadLnReturnsTheLines) {
    for (const auto& chunk : GetParam().chunks) {
        server.Send(chunk).Pause(10);
    }
    Connect();
    Lines lines;
    for (std::size_t i = 0; i < GetParam().expected.size(); ++i) {
        lines.push_back(client.ReadLn());
    }
    EXPECT_EQ(lines, GetParam().expected);
    EXPECT_EQ(client.InputBuffer().Size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineEndings,
    testing::Values(LineRow{"LfAloneReturnedWhole", {"abc\n"}, {"abc"}},
                    LineRow{"CrLfLosesTheCr", {"abc\r\n"}, {"abc"}},
                    LineRow{"OnlyOneCrGoes", {"abc\r\r\n"}, {"abc\r"}},
                    LineRow{"CrInsideStays", {"a\rb\n"}, {"a\rb"}},
                    LineRow{"EmptyLines", {"\r\n\n"}, {"", ""}},
                    LineRow{"SplitAcrossReceives", {"ab", "c\r", "\nde", "f\n"}, {"abc", "def"}},
                    LineRow{
                        "SeveralInOneReceive", {"one\r\ntwo\nthree\r\n"}, {"one", "two", "three"}}),
    RowName());

TEST_F(TcpConnection, OtherTerminatorsMayArriveInPiecesAndKeepCr) {
    server.Send("head\r\n\r").Pause(10).Send("\nbody\r|");
    Connect();
    EXPECT_EQ(client.ReadLn("\r\n\r\n"), "head");
    EXPECT_EQ(client.ReadLn("|"), "body\r");
}

struct LengthRow {
    const char* name;
    std::string sent;
    bool raises;
    std::size_t returnedLength;
};

class LineLength : public TcpConnection, public testing::WithParamInterface<LengthRow> {};

TEST_P(LineLength, LimitCountsTheCrBeforeLf) {
    server.Send(GetParam().sent);
    Connect();
    if (GetParam().raises) {
        EXPECT_THROW(client.ReadLn(), EIdReadLnMaxLineLengthExceeded);
    } else {
        EXPECT_EQ(client.ReadLn(), std::string(GetParam().returnedLength, 'x'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limit16384, LineLength,
    testing::Values(LengthRow{"Chars16383CrLf", std::string(16383, 'x') + "\r\n", false, 16383},
                    LengthRow{"Chars16384CrLf", std::string(16384, 'x') + "\r\n", true, 0},
                    LengthRow{"Chars16384Lf", std::string(16384, 'x') + "\n", false, 16384},
                    // Raised as soon as too much is buffered, without waiting for an end.
                    LengthRow{"Chars16385NoTerminator", std::string(16385, 'x'), true, 0}),
    RowName());

TEST_F(TcpConnection, SplitActionCutsOverlongLinesAndMarksThem) {
    server.Send(std::string(16390, 'x') + "\r\nok\r\n");
    Connect();
    client.MaxLineAction = maSplit;
    EXPECT_EQ(client.ReadLn(), std::string(16384, 'x'));
    EXPECT_TRUE(client.ReadLnSplit());
    EXPECT_EQ(client.ReadLn(), "xxxxxx");
    EXPECT_FALSE(client.ReadLnSplit());
    EXPECT_EQ(client.ReadLn("\n", TIdTimeout::Default(), 0), "ok");  // 0: no limit
}

// --- Closing --------------------------------------------------------------------------------

TEST_F(TcpConnection, LineBeforeCloseIsStillReturned) {
    server.Send("abc\r\n").Close();
    Connect();
    EXPECT_EQ(client.ReadLn(), "abc");
    EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);
    EXPECT_FALSE(client.Connected());
}

TEST_F(TcpConnection, BytesBufferedBeforeTheCloseStayReadable) {
    server.Send("line\r\nXYZ").Close();
    Connect();
    EXPECT_EQ(client.ReadLn(), "line");
    EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);  // the line can't be completed
    EXPECT_TRUE(client.ClosedGracefully());
    EXPECT_THROW(client.ReadFromStack(), EIdNotConnected);  // nothing more can come
    char rest[3];
    client.ReadBuffer(rest, 3);
    EXPECT_EQ(std::string(rest, 3), "XYZ");
    EXPECT_THROW(client.ReadBuffer(rest, 1), EIdConnClosedGracefully);
}

TEST_F(TcpConnection, PeerCloseIsReportedOnceAsDisconnected) {
    int disconnects = 0;
    client.OnDisconnected = [&](TIdTCPConnection&) { ++disconnects; };
    server.Close();
    Connect();
    EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(log.Starting("status"), (Lines{"status Verbindung aufgehoben."}));
}

TEST_F(TcpConnection, ResetByPeerRaisesSocketError10054) {
    server.Reset();
    Connect();
    try {
        client.ReadLn();
        FAIL() << "no error";
    } catch (const EIdSocketError& error) {
        EXPECT_EQ(error.LastError(), 10054);
        EXPECT_EQ(error.Message(),
                  "Socket-Fehler # 10054\r\nDie Verbindung wurde von Peer zur\xFC"
                  "ckgesetzt.");
    }
    // A dead socket must not look reusable.
    EXPECT_FALSE(client.Connected());
}

TEST_F(TcpConnection, WritingToAPeerThatHasGoneRaisesInsteadOfKillingTheProcess) {
    server.Close();
    Connect();
    server.Join();
    const std::string chunk(4096, 'w');
    int lastError = 0;
    for (int i = 0; i < 100 && lastError == 0; ++i) {
        try {
            client.Write(chunk);
        } catch (const EIdSocketError& error) {
            lastError = error.LastError();
        }
    }
    EXPECT_TRUE(lastError == 10054 || lastError == 10058) << lastError;
    EXPECT_FALSE(client.Connected());
    EXPECT_THROW(client.Write("x"), EIdConnClosedGracefully);
}

TEST_F(TcpConnection, DisconnectReportsAndIsHarmlessTwice) {
    int disconnects = 0;
    client.OnDisconnected = [&](TIdTCPConnection&) { ++disconnects; };
    Connect();
    client.Disconnect();
    client.Disconnect();
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(client.IOHandler(), nullptr);
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(log.lines,
              (Lines{"status Verbindung wird getrennt.", "status Verbindung aufgehoben."}));
}

TEST_F(TcpConnection, ReconnectStartsWithEmptyBuffers) {
    server.Send("a\nleft over");
    Connect();
    EXPECT_EQ(client.ReadLn(), "a");
    client.OpenWriteBuffer();
    client.Write("never sent");
    client.Disconnect();
    ScriptedServer second;
    second.Send("b\n").ReceiveUntil("now").Start();
    client.Port = second.Port();
    client.Connect();
    EXPECT_EQ(client.ReadLn(), "b");
    client.Write("now");  // goes out at once
    second.Join();
    EXPECT_EQ(second.Received(), "now");
}

// --- Block reading and work events ----------------------------------------------------------

TEST_F(TcpConnection, BlockReadCountsBufferedBytesFirst) {
    const std::string body = Pattern(100);
    server.Send("HEAD\r\n" + body.substr(0, 40)).Pause(20).Send(body.substr(40));
    Connect();
    EXPECT_EQ(client.ReadLn(), "HEAD");
    TMemoryStream stream;
    stream.WriteBuffer("XY", 2);  // the body goes after what the stream already holds
    client.ReadStream(stream, 100);
    EXPECT_EQ(StreamText(stream), "XY" + body);
    ASSERT_GE(log.lines.size(), 4u);
    EXPECT_EQ(log.lines.front(), "begin read 100");
    EXPECT_EQ(log.lines[1], "work read 40");
    EXPECT_EQ(log.lines[log.lines.size() - 2], "work read 100");
    EXPECT_EQ(log.lines.back(), "end read");
}

TEST_F(TcpConnection, ReadUntilCloseCountsWholeBlocksOnly) {
    const std::string body = Pattern(70000);
    server.Send(body).Close();
    Connect();
    TMemoryStream stream;
    client.ReadStream(stream);  // no count: up to the close
    EXPECT_EQ(StreamText(stream), body);
    // The last 4464 bytes come with the close and are written without a work count.
    EXPECT_EQ(log.Starting("work"), (Lines{"work read 32768", "work read 65536"}));
    EXPECT_EQ(log.lines.front(), "begin read 0");
    EXPECT_EQ(log.Starting("end"), (Lines{"end read"}));
}

struct ShortBodyRow {
    const char* name;
    bool closeNoticedBefore;  // a line read already ran into the close
    std::string written;      // what reaches the stream
};

class CountedReadEndingShort : public TcpConnection,
                               public testing::WithParamInterface<ShortBodyRow> {};

TEST_P(CountedReadEndingShort, RaisesAndCutsTheStream) {
    server.Send("abc").Close();
    Connect();
    if (GetParam().closeNoticedBefore) {
        EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);
    }
    TMemoryStream stream;
    EXPECT_THROW(client.ReadStream(stream, 10), EIdConnClosedGracefully);
    EXPECT_EQ(StreamText(stream), GetParam().written);  // cut back from the presized 10
    EXPECT_EQ(log.Starting("end"), (Lines{"end read"}));
}

INSTANTIATE_TEST_SUITE_P(Close, CountedReadEndingShort,
                         // A block cut short by the close is not written; bytes that were
                         // buffered before the read are.
                         testing::Values(ShortBodyRow{"DuringTheRead", false, ""},
                                         ShortBodyRow{"BeforeTheRead", true, "abc"}),
                         RowName());

TEST_F(TcpConnection, LinesAndSendsOutsideWorkFireNoEvents) {
    server.Send("line\r\n").ReceiveUntil("ping\r\n").ReceiveUntil("pong\r\n");
    Connect();
    EXPECT_EQ(client.ReadLn(), "line");
    client.WriteLn("ping");
    EXPECT_TRUE(log.lines.empty());
    client.BeginWork(wmWrite, 6);
    client.WriteLn("pong");
    client.EndWork(wmWrite);
    server.Join();
    EXPECT_EQ(server.Received(), "ping\r\npong\r\n");
    EXPECT_EQ(log.lines, (Lines{"begin write 6", "work write 6", "end write"}));
}

TEST_F(TcpConnection, WriteBufferSendsAtItsThresholdAndWhenClosed) {
    server.ReceiveUntil("abcdefg");
    Connect();
    client.BeginWork(wmWrite);
    client.OpenWriteBuffer();
    client.Write("a");
    client.Write("bc");
    EXPECT_TRUE(log.Starting("work").empty());
    client.CloseWriteBuffer();
    client.OpenWriteBuffer(2);
    client.Write("de");
    client.Write("f");
    client.Write("g");
    client.CloseWriteBuffer();
    client.EndWork(wmWrite);
    server.Join();
    EXPECT_EQ(server.Received(), "abcdefg");
    EXPECT_EQ(log.Starting("work"), (Lines{"work write 3", "work write 5", "work write 7"}));
}

// --- Time-outs ------------------------------------------------------------------------------

TEST_F(TcpConnection, ReadTimeoutRaisesWhenNothingArrives) {
    server.WaitForRelease().Send("late\n");
    Connect();
    client.ReadTimeout = 50;
    EXPECT_THROW(client.ReadLn(), EIdReadTimeout);
    EXPECT_EQ(client.ReadLn("\n", TIdTimeout::Within(20ms)), "");  // answers instead
    EXPECT_TRUE(client.ReadLnTimedOut());
    EXPECT_EQ(client.ReadLn("\n", TIdTimeout::Within(0ms)), "");  // asks once
    EXPECT_TRUE(client.ReadLnTimedOut());
    server.Release();
    ASSERT_TRUE(client.IOHandler()->Readable(TIdTimeout::Within(5s)));
    EXPECT_EQ(client.ReadLn("\n", TIdTimeout::Within(0ms)), "late");  // takes what has come
    EXPECT_FALSE(client.ReadLnTimedOut());
}

// The integer a property is set to must stand for its time-out and read back as set: 0 is no
// zero wait, -1 and -2 don't swap, a limit keeps its milliseconds.
struct PropertyRow {
    const char* name;
    int set;
    TIdTimeout meaning;
    int readBack;
};

class TimeoutProperty : public testing::TestWithParam<PropertyRow> {};

TEST_P(TimeoutProperty, ConvertsBetweenIntegerAndTimeout) {
    TIdTimeoutProperty property;
    property = GetParam().set;
    EXPECT_EQ(property.Value(), GetParam().meaning);
    EXPECT_EQ(static_cast<int>(property), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Integers, TimeoutProperty,
    testing::Values(PropertyRow{"ZeroIsNotSet", 0, TIdTimeout::NotSet(), 0},
                    PropertyRow{"MinusOneIsDefault", -1, TIdTimeout::Default(), -1},
                    PropertyRow{"MinusTwoIsInfinite", -2, TIdTimeout::Infinite(), -2},
                    PropertyRow{"LowerIsInfinite", -7, TIdTimeout::Infinite(), -2},
                    PropertyRow{"OneIsALimit", 1, TIdTimeout::Within(1ms), 1},
                    PropertyRow{"MillisecondsAreALimit", 30000, TIdTimeout::Within(30s), 30000}),
    RowName());

TEST_F(TcpConnection, WaitingHookRunsWhileAReadWaitsAndMayAbandonIt) {
    server.WaitForRelease();
    Connect();
    int calls = 0;
    client.OnWaiting = [&] {
        if (++calls == 3) {
            throw std::runtime_error("abandoned");
        }
    };
    EXPECT_THROW(client.ReadLn(), std::runtime_error);
    EXPECT_EQ(calls, 3);
    server.Release();
}

// --- Connecting -----------------------------------------------------------------------------

struct HostRow {
    const char* name;
    const char* host;
    Lines statuses;
};

class ConnectHost : public TcpConnection, public testing::WithParamInterface<HostRow> {};

TEST_P(ConnectHost, LocalHostNeedsNoLookupAndAddressesNoResolving) {
    server.Start();
    log.Attach(client);
    bool connectedHandlerCalled = false;
    client.OnConnected = [&](TIdTCPConnection&) { connectedHandlerCalled = true; };
    client.Host = GetParam().host;
    client.Port = server.Port();
    client.Connect();
    EXPECT_TRUE(client.Connected());
    EXPECT_TRUE(connectedHandlerCalled);
    EXPECT_EQ(client.IOHandler()->Binding()->PeerIP(), "127.0.0.1");
    EXPECT_EQ(log.lines, GetParam().statuses);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, ConnectHost,
    testing::Values(HostRow{"UpperCase",
                            "LOCALHOST",
                            {"status Host-Name LOCALHOST wird aufgel\xF6"
                             "st.",
                             "status Verbinden mit 127.0.0.1.", "status Verbunden."}},
                    HostRow{"MixedCase",
                            "LocalHost",
                            {"status Host-Name LocalHost wird aufgel\xF6"
                             "st.",
                             "status Verbinden mit 127.0.0.1.", "status Verbunden."}},
                    HostRow{"DottedAddress",
                            "127.0.0.1",
                            {"status Verbinden mit 127.0.0.1.", "status Verbunden."}}),
    RowName());

struct RefusedRow {
    const char* name;
    TIdTimeout timeout;
    bool timed;
};

class RefusedConnect : public testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedConnect, Reports10061AndLeavesTheClientUsable) {
    TIdTCPClient client;
    client.Host = "127.0.0.1";
    client.Port = UnusedLocalPort();
    const std::string message = "Socket-Fehler # 10061\r\nVerbindung abgelehnt.";
    try {
        client.Connect(GetParam().timeout);
        FAIL() << "connected";
    } catch (const EIdSocketError& error) {
        EXPECT_FALSE(GetParam().timed);
        EXPECT_EQ(error.LastError(), 10061);
        EXPECT_EQ(error.Message(), message);
    } catch (const EIdConnectException& error) {
        EXPECT_TRUE(GetParam().timed);
        EXPECT_EQ(error.Message(), message);
    }
    EXPECT_FALSE(client.Connected());
    client.Disconnect();
}

INSTANTIATE_TEST_SUITE_P(Timeouts, RefusedConnect,
                         testing::Values(RefusedRow{"NotSet", TIdTimeout::NotSet(), false},
                                         RefusedRow{"Default", TIdTimeout::Default(), false},
                                         RefusedRow{"Limit", TIdTimeout::Within(5s), true},
                                         RefusedRow{"Infinite", TIdTimeout::Infinite(), true}),
                         RowName());

TEST_F(TcpConnection, ConnectWithTimeoutConnects) {
    server.Send("hello\n").Start();
    client.Host = "localhost";
    client.Port = server.Port();
    client.Connect(TIdTimeout::Within(5s));
    EXPECT_EQ(client.ReadLn(), "hello");
}

TEST(ConnectTimeout, RunsOutAgainstAListenerThatDropsRequests) {
    const FullListener listener;
    TIdTCPClient client;
    client.Host = "127.0.0.1";
    client.Port = listener.Port();
    EXPECT_THROW(client.Connect(TIdTimeout::Within(300ms)), EIdConnectTimeout);
    EXPECT_FALSE(client.Connected());
    client.Disconnect();
}

TEST(UnconnectedClient, ReadsAndWritesRaiseClosedGracefully) {
    TIdTCPClient client;
    EXPECT_FALSE(client.Connected());
    EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);
    EXPECT_THROW(client.Write("x"), EIdConnClosedGracefully);
    client.Disconnect();
}

}  // namespace
