// Receiving a large body over loopback: the connection layer's block reader into a memory
// stream and into a file, beside a plain recv() loop that shows what the machine can move.

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "net/IdTCPClient.h"
#include "platform/Streams.h"

namespace {

constexpr std::int64_t kBodySize = 256LL * 1024 * 1024;
constexpr std::size_t kRecvSize = 32768;

// Serves every connection on 127.0.0.1 with kBodySize bytes and then closes it.
class LoopbackSender {
public:
    LoopbackSender() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(listener_, 4) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("sender cannot listen on 127.0.0.1");
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread(&LoopbackSender::Serve, this);
    }

    ~LoopbackSender() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }

    int Port() const { return port_; }

private:
    void Serve() {
        const std::vector<char> chunk(1 << 20, 'x');
        while (!stop_) {
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) {
                continue;
            }
            for (std::int64_t left = kBodySize; left > 0;) {
                const auto piece = static_cast<std::size_t>(
                    std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
                const ssize_t sent = ::send(connection, chunk.data(), piece, MSG_NOSIGNAL);
                if (sent <= 0) {
                    break;
                }
                left -= sent;
            }
            ::close(connection);
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

LoopbackSender& Sender() {
    static LoopbackSender sender;
    return sender;
}

void ReportMegabytesPerSecond(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * kBodySize);
}

int ConnectToSender() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(Sender().Port()));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot connect to the sender");
    }
    return fd;
}

// Receives a whole body with recv() calls of kRecvSize bytes; with a step of 0 every call
// reuses the start of the buffer, otherwise the calls fill the buffer one after the other.
void ReceiveBody(std::vector<char>& buffer, std::size_t step) {
    const int fd = ConnectToSender();
    std::size_t offset = 0;
    for (ssize_t n; (n = ::recv(fd, buffer.data() + offset, kRecvSize, 0)) > 0;) {
        offset = std::min(offset + step * static_cast<std::size_t>(n), buffer.size() - kRecvSize);
    }
    ::close(fd);
}

// What the machine can move: the bytes are received and dropped.
void BM_PlainRecvLoop(benchmark::State& state) {
    std::vector<char> buffer(kRecvSize);
    for (auto _ : state) {
        ReceiveBody(buffer, 0);
    }
    ReportMegabytesPerSecond(state);
}

// The same loop receiving straight into a 256 MiB block: the cost of putting the bytes
// somewhere, without any buffering of the receiver's own.
void BM_PlainRecvIntoMemory(benchmark::State& state) {
    std::vector<char> buffer(static_cast<std::size_t>(kBodySize) + kRecvSize);
    for (auto _ : state) {
        ReceiveBody(buffer, 1);
    }
    ReportMegabytesPerSecond(state);
}

void ReadBodyInto(benchmark::State& state, TStream& stream) {
    for (auto _ : state) {
        TIdTCPClient client;
        client.Host = "127.0.0.1";
        client.Port = Sender().Port();
        client.Connect();
        stream.SetPosition(0);
        client.ReadStream(stream, kBodySize);
        client.Disconnect();
    }
    ReportMegabytesPerSecond(state);
}

void BM_BlockReadIntoMemoryStream(benchmark::State& state) {
    TMemoryStream stream;
    // Touched once ahead, as the file's pages are after its first round, so that every round
    // measures receiving rather than the system handing out 256 MiB of fresh pages.
    stream.SetSize(kBodySize);
    ReadBodyInto(state, stream);
}

void BM_BlockReadIntoFileStream(benchmark::State& state) {
    const std::string fileName = "/tmp/lumbrafix-net-bench-" + std::to_string(::getpid());
    {
        TFileStream stream(fileName, TFileMode::fmCreate);
        ReadBodyInto(state, stream);
    }
    std::remove(fileName.c_str());
}

}  // namespace

BENCHMARK(BM_PlainRecvLoop)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_PlainRecvIntoMemory)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_BlockReadIntoMemoryStream)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK(BM_BlockReadIntoFileStream)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

BENCHMARK_MAIN();
