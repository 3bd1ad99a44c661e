// Feeds arbitrary bytes as a server's response to one GET of the database update, through a
// real loopback connection: the server end sends the bytes and closes its sending side. The
// only errors the client may raise are those of its own family (EIdException); anything
// else, a hang or a sanitizer report is a finding.

#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ScriptedServer.h"
#include "net/IdCappedStream.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"

namespace {

// Responses beyond this would not fit the loopback buffers before the client reads.
constexpr std::size_t kMaxResponse = 256 * 1024;
constexpr std::size_t kKeptBody = 1 << 20;

struct Listener {
    Listener() { fd = ListenOnLoopback(8, &port); }
    int fd = -1;
    int port = 0;
};

// Takes the client's connection as soon as it is made and sends the whole response.
int Serve(int listener, const std::uint8_t* data, std::size_t size) {
    const int server = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    for (std::size_t sent = 0; sent < size;) {
        const ssize_t n = ::send(server, data + sent, size - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            break;
        }
        sent += static_cast<std::size_t>(n);
    }
    ::shutdown(server, SHUT_WR);
    return server;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Listener listener;
    if (size > kMaxResponse) {
        return 0;
    }
    int server = -1;
    TIdHTTP http;
    ApplyUpdateSettings(http);
    http.OnConnected = [&](TIdTCPConnection&) { server = Serve(listener.fd, data, size); };
    TIdCappedStream destination(kKeptBody);
    try {
        http.Get("http://127.0.0.1:" + std::to_string(listener.port) + "/marbelin_ext.txt",
                 destination);
    } catch (const EIdException&) {
        // A refused, broken or error response: what the update dialog reports.
    }
    http.Disconnect();
    if (server >= 0) {
        ::close(server);
    }
    return 0;
}
