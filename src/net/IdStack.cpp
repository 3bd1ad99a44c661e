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
#include <memory>
#include <mutex>
#include <utility>

#include "net/IdException.h"

namespace {

std::mutex gStackLock;
int gStackUsers = 0;
std::unique_ptr<TIdStackPosix> gStack;

constexpr int kHostNotFound = 11001;
constexpr int kTryAgain = 11002;

constexpr std::pair<int, int> kErrnoToWinsock[] = {
    {EINTR, 10004},           {EBADF, 10009},        {EACCES, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},       {EMFILE, 10024},
    {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},  {EALREADY, 10037},
    {ENOTSOCK, 10038},        {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},        {ENETUNREACH, 10051},  {ENETRESET, 10052},
    {ECONNABORTED, 10053},    {ECONNRESET, 10054},   {ENOBUFS, 10055},
    {ENOMEM, 10055},          {EISCONN, 10056},      {ENOTCONN, 10057},
    {EPIPE, 10058},           {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},    {ELOOP, 10062},        {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},       {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},
};

struct ErrorText {
    int number;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {10004, "Unterbrochener Systemaufruf."},
    {10009, "Falsche Dateinummer."},
    {10013, "Zugriff verweigert."},
    {10014, "Falsche Adresse."},
    {10022,
     "Ung\xFC"
     "ltiges Argument."},
    {10024,
     "Zu viele ge\xF6"
     "ffnete Dateien."},
    {10035,
     "Die Operation w\xFC"
     "rde blockieren. "},
    {10036,
     "Die Operation wird gerade durchgef\xFC"
     "hrt."},
    {10037,
     "Die Operation wird bereits durchgef\xFC"
     "hrt."},
    {10038, "Socket-Operation auf Nicht-Socket."},
    {10039, "Zieladresse erforderlich."},
    {10040, "Die Botschaft ist zu lang."},
    {10041,
     "Das Protokoll hat f\xFC"
     "r Socket den falschen Typ."},
    {10042, "Falsche Protokolloption."},
    {10043,
     "Das Protokoll wird nicht unterst\xFC"
     "tzt."},
    {10044,
     "Sockettyp wird nicht unterst\xFC"
     "tzt."},
    {10045,
     "Die Operation wird bei Socket nicht unterst\xFC"
     "tzt."},
    {10046,
     "Die Protokollfamilie wird nicht unterst\xFC"
     "tzt."},
    {10047,
     "Die Adressfamilie wird von der Protokollfamilie nicht unterst\xFC"
     "tzt."},
    {10048, "Die Adresse ist bereits in Gebrauch."},
    {10049, "Die angeforderte Adresse kann nicht zugewiesen werden."},
    {10050, "Das Netzwerk ist ausgefallen."},
    {10051, "Das Netzwerk ist nicht erreichbar."},
    {10052,
     "Netz hat die Verbindung verloren oder zur\xFC"
     "ckgesetzt."},
    {10053, "Die Software hat den Abbruch der Verbindung verursacht."},
    {10054,
     "Die Verbindung wurde von Peer zur\xFC"
     "ckgesetzt."},
    {10055,
     "Es ist kein Pufferplatz verf\xFC"
     "gbar."},
    {10056, "Socket ist bereits verbunden."},
    {10057, "Socket ist nicht verbunden."},
    {10058,
     "Nach Schlie\xDF"
     "en des Socket kann weder gesendet noch empfangen werden."},
    {10059,
     "Zu viele Referenzen; keine Verbindungen m\xF6"
     "glich."},
    {10060,
     "Zeit\xFC"
     "berschreitung bei Verbindung."},
    {10061, "Verbindung abgelehnt."},
    {10062, "Zu viele Ebenen von symbolischen Links."},
    {10063, "Dateiname ist zu lang."},
    {10064, "Der Host ist ausgefallen."},
    {10065, "Keine Route zum Host."},
    {10066, "Verzeichnis ist nicht leer"},
    {11001, "Host nicht gefunden."},
};

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
                [&](int waitMs) {
                    const auto ready = RetryInterrupted([&] { return ::poll(&entry, 1, waitMs); });
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

bool TIdStackPosix::Readable(int socket, int timeoutMs) {
    pollfd entry{socket, POLLIN, 0};
    const int result = static_cast<int>(
        RetryInterrupted([&] { return ::poll(&entry, 1, timeoutMs < 0 ? -1 : timeoutMs); }));
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

int WinsockErrorFromErrno(int errnoValue) {
    for (const auto& [system, winsock] : kErrnoToWinsock) {
        if (system == errnoValue) {
            return winsock;
        }
    }
    return errnoValue;
}

int WinsockErrorFromResolver(int resolverError) {
    return resolverError == EAI_AGAIN ? kTryAgain : kHostNotFound;
}

std::string SocketErrorText(int lastError) {
    for (const auto& entry : kErrorTexts) {
        if (entry.number == lastError) {
            return entry.text;
        }
    }
    return {};
}
