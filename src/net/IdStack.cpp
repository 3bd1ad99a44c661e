#include "net/IdStack.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <limits>
#include <memory>
#include <mutex>

#include "net/IdException.h"
#include "net/IdSocketErrors.h"

namespace {

std::mutex gStackLock;
int gStackUsers = 0;
std::unique_ptr<TIdStackPosix> gStack;

sockaddr_in MakeAddress(const std::string& ip, int port) {
    if (port < 0 || port > 65535) {
        throw EIdInvalidPort(std::to_string(port));
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (ip.empty()) {
        address.sin_addr.s_addr = htonl(INADDR_ANY);
    } else if (::inet_pton(AF_INET, ip.c_str(), &address.sin_addr) != 1) {
        throw EIdSocketError(WinsockErrorFromErrno(EINVAL));
    }
    return address;
}

template <typename Call>
std::ptrdiff_t RetryInterrupted(Call call) {
    std::ptrdiff_t result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

// Makes a socket's calls return at once for as long as it lives.
class NonBlocking {
public:
    explicit NonBlocking(int socket) : socket_(socket), flags_(::fcntl(socket, F_GETFL)) {
        ::fcntl(socket_, F_SETFL, flags_ | O_NONBLOCK);
    }
    ~NonBlocking() { ::fcntl(socket_, F_SETFL, flags_); }
    NonBlocking(const NonBlocking&) = delete;
    NonBlocking& operator=(const NonBlocking&) = delete;

private:
    int socket_;
    int flags_;
};

// The wait poll() takes: the limit in milliseconds, or -1 for a wait without one.
int PollMilliseconds(TIdTimeout timeout) {
    const auto limit = timeout.Limit();
    if (!limit) {
        return -1;
    }
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(
        limit->count(), 0, std::numeric_limits<int>::max()));
}

// The outcome of a connect that was under way: 0 or an errno value.
int PendingError(int socket) {
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length);
    return error;
}

}  // namespace

void TIdStackPosix::Acquire() {
    const std::lock_guard<std::mutex> guard(gStackLock);
    if (gStackUsers++ == 0) {
        gStack = std::make_unique<TIdStackPosix>();
    }
}

void TIdStackPosix::Release() {
    const std::lock_guard<std::mutex> guard(gStackLock);
    if (--gStackUsers == 0) {
        gStack.reset();
    }
}

int TIdStackPosix::UserCount() {
    const std::lock_guard<std::mutex> guard(gStackLock);
    return gStackUsers;
}

TIdStackPosix& GStack() {
    assert(gStack && "the socket layer is used without a component");
    return *gStack;
}

int TIdStackPosix::NewSocket() {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (socket < 0) {
        throw EIdInvalidSocket();
    }
    return socket;
}

void TIdStackPosix::Bind(int socket, const std::string& ip, int port) {
    const sockaddr_in address = MakeAddress(ip, port);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        RaiseSocketError(LastError());
    }
}

void TIdStackPosix::Connect(int socket, const std::string& ip, int port) {
    const sockaddr_in address = MakeAddress(ip, port);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        RaiseSocketError(LastError());
    }
}

TIdWaitEnd TIdStackPosix::ConnectWithin(int socket, const std::string& ip, int port,
                                        const TIdWaitLimits& limits) {
    const sockaddr_in address = MakeAddress(ip, port);
    int error = 0;
    {
        const NonBlocking nonBlocking(socket);
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            error = errno;
        }
        if (error == EINPROGRESS) {
            pollfd entry{socket, POLLOUT, 0};
            int pollError = 0;
            const TIdWaitEnd end = WaitSliced(
                [&](TIdTimeout wait) {
                    const auto ready =
                        RetryInterrupted([&] { return ::poll(&entry, 1, PollMilliseconds(wait)); });
                    pollError = ready < 0 ? errno : 0;
                    return ready != 0;
                },
                limits);
            if (end != TIdWaitEnd::kReady) {
                return end;
            }
            error = pollError != 0 ? pollError : PendingError(socket);
        }
    }
    if (error != 0) {
        RaiseSocketError(WinsockErrorFromErrno(error));
    }
    return TIdWaitEnd::kReady;
}

std::ptrdiff_t TIdStackPosix::Recv(int socket, void* buffer, std::size_t count) {
    return RetryInterrupted([&] { return ::recv(socket, buffer, count, 0); });
}

std::ptrdiff_t TIdStackPosix::Send(int socket, const void* buffer, std::size_t count) {
    return RetryInterrupted([&] { return ::send(socket, buffer, count, MSG_NOSIGNAL); });
}

bool TIdStackPosix::Readable(int socket, TIdTimeout timeout) {
    pollfd entry{socket, POLLIN, 0};
    const int result = static_cast<int>(
        RetryInterrupted([&] { return ::poll(&entry, 1, PollMilliseconds(timeout)); }));
    if (result < 0) {
        RaiseSocketError(LastError());
    }
    return result > 0;
}

void TIdStackPosix::Close(int socket) {
    ::close(socket);
}

int TIdStackPosix::LastError() const {
    return WinsockErrorFromErrno(errno);
}

void TIdStackPosix::RaiseSocketError(int lastError) const {
    throw EIdSocketError(lastError);
}

bool TIdStackPosix::IsIP(const std::string& host) const {
    in_addr address{};
    return ::inet_pton(AF_INET, host.c_str(), &address) == 1;
}

std::string TIdStackPosix::ResolveHost(const std::string& host) const {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* answer = nullptr;
    const int result = ::getaddrinfo(host.c_str(), nullptr, &hints, &answer);
    if (result != 0) {
        RaiseSocketError(result == EAI_SYSTEM ? LastError() : WinsockErrorFromResolver(result));
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(answer, ::freeaddrinfo);
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(answer->ai_addr);
    ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    return text;
}
