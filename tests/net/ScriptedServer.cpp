#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

// No wait of the server outlasts this: a client that never connects, never sends or is never
// released gets a closed connection instead, so a test fails instead of hanging.
constexpr int kLongestWaitMs = 20000;

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace

ScriptedServer::ScriptedServer() {
    listener_ = ListenOnLoopback(4, &port_);
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0 || ::pipe2(releasePipe_, O_CLOEXEC) != 0) {
        throw std::runtime_error("test server cannot create its pipes");
    }
}

ScriptedServer::~ScriptedServer() {
    const char stop = 's';
    (void)!::write(stopPipe_[1], &stop, 1);
    Join();
    CloseIfOpen(connection_);
    CloseIfOpen(listener_);
    for (int* fd : {&stopPipe_[0], &stopPipe_[1], &releasePipe_[0], &releasePipe_[1]}) {
        CloseIfOpen(*fd);
    }
}

ScriptedServer& ScriptedServer::Send(std::string bytes) {
    steps_.push_back({Step::kSend, std::move(bytes), 0});
    return *this;
}

ScriptedServer& ScriptedServer::Pause(int milliseconds) {
    steps_.push_back({Step::kPause, {}, milliseconds});
    return *this;
}

ScriptedServer& ScriptedServer::ReceiveUntil(std::string marker) {
    steps_.push_back({Step::kReceiveUntil, std::move(marker), 0});
    return *this;
}

ScriptedServer& ScriptedServer::ReceiveUntilClose() {
    return ReceiveUntil({});
}

ScriptedServer& ScriptedServer::WaitForRelease() {
    steps_.push_back({Step::kWaitForRelease, {}, 0});
    return *this;
}

ScriptedServer& ScriptedServer::Close() {
    steps_.push_back({Step::kClose, {}, 0});
    return *this;
}

ScriptedServer& ScriptedServer::Reset() {
    steps_.push_back({Step::kReset, {}, 0});
    return *this;
}

void ScriptedServer::Start() {
    thread_ = std::thread(&ScriptedServer::Run, this);
}

void ScriptedServer::Release() {
    const char go = 'g';
    (void)!::write(releasePipe_[1], &go, 1);
}

void ScriptedServer::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string ScriptedServer::Received() const {
    const std::lock_guard<std::mutex> guard(receivedLock_);
    return received_;
}

// Waits for the descriptor or for the server's end; false when the server ends or the
// time runs out.
bool ScriptedServer::WaitReadable(int fd, int timeoutMs) {
    pollfd entries[2] = {{stopPipe_[0], POLLIN, 0}, {fd, POLLIN, 0}};
    const nfds_t count = fd >= 0 ? 2 : 1;
    int result;
    do {
        result = ::poll(entries, count, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0 && entries[0].revents == 0 && (count == 1 || entries[1].revents != 0);
}

void ScriptedServer::Run() {
    if (!WaitReadable(listener_, kLongestWaitMs)) {
        return;
    }
    connection_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    for (const Step& step : steps_) {
        if (connection_ < 0) {
            return;
        }
        RunStep(step);
    }
}

void ScriptedServer::RunStep(const Step& step) {
    switch (step.kind) {
        case Step::kSend:
            for (std::size_t sent = 0; sent < step.bytes.size();) {
                const ssize_t n = ::send(connection_, step.bytes.data() + sent,
                                         step.bytes.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) {
                    return;
                }
                sent += static_cast<std::size_t>(n);
            }
            break;
        case Step::kPause:
            // Returns early only when the server ends.
            WaitReadable(-1, step.milliseconds);
            break;
        case Step::kReceiveUntil:
            ReceiveUntilMarker(step.bytes);
            break;
        case Step::kWaitForRelease:
            if (WaitReadable(releasePipe_[0], kLongestWaitMs)) {
                char go;
                (void)!::read(releasePipe_[0], &go, 1);
            }
            break;
        case Step::kClose:
        case Step::kReset:
            CloseConnection(step.kind == Step::kReset);
            break;
    }
}

void ScriptedServer::ReceiveUntilMarker(const std::string& marker) {
    char chunk[4096];
    for (;;) {
        {
            const std::lock_guard<std::mutex> guard(receivedLock_);
            const std::size_t found = received_.find(marker, markerSearchFrom_);
            if (!marker.empty() && found != std::string::npos) {
                markerSearchFrom_ = found + marker.size();
                return;
            }
        }
        if (!WaitReadable(connection_, kLongestWaitMs)) {
            CloseConnection(false);
            return;
        }
        const ssize_t n = ::recv(connection_, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return;
        }
        const std::lock_guard<std::mutex> guard(receivedLock_);
        received_.append(chunk, static_cast<std::size_t>(n));
    }
}

void ScriptedServer::CloseConnection(bool abortive) {
    if (abortive) {
        const linger immediately{1, 0};
        ::setsockopt(connection_, SOL_SOCKET, SO_LINGER, &immediately, sizeof immediately);
    }
    CloseIfOpen(connection_);
}

int UnusedLocalPort() {
    int port = 0;
    const int fd = ListenOnLoopback(0, &port);
    ::close(fd);
    return port;
}

sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return address;
}

int ListenOnLoopback(int backlog, int* port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(fd, backlog) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("test server cannot listen on 127.0.0.1");
    }
    *port = ntohs(address.sin_port);
    return fd;
}

FullListener::FullListener() {
    listener_ = ListenOnLoopback(0, &port_);
    for (int& filler : fillers_) {
        filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const sockaddr_in address = LoopbackAddress(port_);
        ::connect(filler, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
}

FullListener::~FullListener() {
    for (int filler : fillers_) {
        ::close(filler);
    }
    ::close(listener_);
}
