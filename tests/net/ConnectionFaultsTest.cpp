// Regression tests for faults of the connection layer: each once let a transfer hang, lose
// data, or leave the connection in a state that misleads the next user.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "ConnectionTestSupport.h"
#include "net/IdException.h"
#include "net/IdTCPClient.h"
#include "platform/Streams.h"
#include "support/RowName.h"

namespace {

using Lines = std::vector<std::string>;

struct TimeoutRow {
    const char* name;
    int timeoutMs;
};

class ConnectTimeoutHolds : public testing::TestWithParam<TimeoutRow> {};

// The connect must give up close to its time-out however short, not when the system does.
TEST_P(ConnectTimeoutHolds, AgainstAPeerThatNeverAnswers) {
    const FullListener listener;
    TIdTCPClient client;
    client.Host = "127.0.0.1";
    client.Port = listener.Port();
    const auto start = std::chrono::steady_clock::now();
    const std::chrono::milliseconds limit(GetParam().timeoutMs);
    EXPECT_THROW(client.Connect(TIdTimeout::Within(limit)), EIdConnectTimeout);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Generous for a busy machine; the fault made it minutes.
    EXPECT_LT(elapsed, limit + std::chrono::seconds(2));
    EXPECT_FALSE(client.Connected());
}

INSTANTIATE_TEST_SUITE_P(Deadlines, ConnectTimeoutHolds,
                         testing::Values(TimeoutRow{"OneMillisecond", 1},
                                         TimeoutRow{"BelowOneWaitStep", 100},
                                         TimeoutRow{"SeveralWaitSteps", 400}),
                         RowName());

struct ThrowingHandlerRow {
    const char* name;
    const char* throwingEvent;  // "begin", "work" or "end"
};

class ThrowingWorkHandler : public TcpConnection,
                            public testing::WithParamInterface<ThrowingHandlerRow> {};

// A progress handler may throw (the update dialog's runs the event loop); the next transfer
// must still announce itself and count from 0.
TEST_P(ThrowingWorkHandler, LeavesTheNextTransferIntact) {
    server.Send("abcdefgh");
    Connect();
    const std::string event = GetParam().throwingEvent;
    bool thrown = false;
    auto throwOnce = [&] {
        if (!thrown) {
            thrown = true;
            throw std::runtime_error("handler");
        }
    };
    auto begin = client.OnWorkBegin;
    auto work = client.OnWork;
    auto end = client.OnWorkEnd;
    client.OnWorkBegin = [&](TIdComponent& c, TWorkMode m, std::int64_t n) {
        begin(c, m, n);
        if (event == "begin")
            throwOnce();
    };
    client.OnWork = [&](TIdComponent& c, TWorkMode m, std::int64_t n) {
        work(c, m, n);
        if (event == "work")
            throwOnce();
    };
    client.OnWorkEnd = [&](TIdComponent& c, TWorkMode m) {
        end(c, m);
        if (event == "end")
            throwOnce();
    };
    TMemoryStream stream;
    EXPECT_THROW(client.ReadStream(stream, 4), std::runtime_error);
    log.lines.clear();
    client.ReadStream(stream, 4);
    ASSERT_GE(log.lines.size(), 3u);
    EXPECT_EQ(log.lines.front(), "begin read 4");
    EXPECT_EQ(log.lines[log.lines.size() - 2], "work read 4");
    EXPECT_EQ(log.lines.back(), "end read");
}

INSTANTIATE_TEST_SUITE_P(Events, ThrowingWorkHandler,
                         testing::Values(ThrowingHandlerRow{"InBegin", "begin"},
                                         ThrowingHandlerRow{"InWork", "work"},
                                         ThrowingHandlerRow{"InEnd", "end"}),
                         RowName());

struct BufferSizeRow {
    const char* name;
    int size;
};

class OddReceiveBufferSize : public TcpConnection,
                             public testing::WithParamInterface<BufferSizeRow> {};

TEST_P(OddReceiveBufferSize, StillReadsACountedBlock) {
    const std::string body(100000, 'z');
    server.Send(body);
    Connect();
    client.RecvBufferSize = GetParam().size;
    TMemoryStream stream;
    client.ReadStream(stream, static_cast<std::int64_t>(body.size()));
    EXPECT_EQ(stream.Size(), static_cast<std::int64_t>(body.size()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, OddReceiveBufferSize,
                         testing::Values(BufferSizeRow{"Zero", 0}, BufferSizeRow{"Negative", -5},
                                         BufferSizeRow{"Largest", std::numeric_limits<int>::max()}),
                         RowName());

TEST_F(TcpConnection, ReopeningTheWriteBufferSendsWhatWasCollected) {
    server.ReceiveUntil("onetwo");
    Connect();
    client.OpenWriteBuffer();
    client.Write("one");
    client.OpenWriteBuffer();
    client.Write("two");
    client.CloseWriteBuffer();
    server.Join();
    EXPECT_EQ(server.Received(), "onetwo");
}

// A stream whose memory runs out when it is sized ahead.
class ExhaustedStream : public TMemoryStream {
public:
    void SetSize(std::int64_t) override { throw std::bad_alloc(); }
};

TEST_F(TcpConnection, CountsTheDestinationCannotTakeRaiseOurOwnError) {
    server.Send("abc");
    Connect();
    TMemoryStream stream;
    stream.WriteBuffer("xy", 2);
    EXPECT_THROW(client.ReadStream(stream, std::numeric_limits<std::int64_t>::max() - 1),
                 EIdStreamSizeError);
    ExhaustedStream exhausted;
    EXPECT_THROW(client.ReadStream(exhausted, 1 << 30), EIdStreamSizeError);
    // Nothing was consumed: the bytes are still there for a sound read.
    TMemoryStream sound;
    client.ReadStream(sound, 3);
    EXPECT_EQ(sound.Size(), 3);
}

struct PortRow {
    const char* name;
    int port;
};

class PortOutOfRange : public testing::TestWithParam<PortRow> {};

TEST_P(PortOutOfRange, IsAnErrorNotAnotherPort) {
    TIdTCPClient client;
    client.Host = "127.0.0.1";
    client.Port = GetParam().port;
    EXPECT_THROW(client.Connect(), EIdInvalidPort);
    EXPECT_FALSE(client.Connected());
}

INSTANTIATE_TEST_SUITE_P(Ports, PortOutOfRange,
                         testing::Values(PortRow{"Negative", -1}, PortRow{"Above65535", 65536},
                                         PortRow{"WrapsToALowPort", 65536 + 80}),
                         RowName());

TEST_F(TcpConnection, DisconnectDropsInputLeftFromBefore) {
    server.Send("first\r\nleft over\r\n");
    Connect();
    EXPECT_EQ(client.ReadLn(), "first");
    client.Disconnect();
    EXPECT_THROW(client.ReadLn(), EIdConnClosedGracefully);
}

}  // namespace
