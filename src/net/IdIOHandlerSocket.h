#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "net/IdComponent.h"
#include "net/IdSocketHandle.h"

// The socket side of a connection: opens, connects and closes its one socket and moves bytes
// through it. Reports the resolving and connecting statuses.
class TIdIOHandlerSocket : public TIdComponent {
public:
    TIdIOHandlerSocket();
    ~TIdIOHandlerSocket() override;

    // Creates the socket object, or resets one left from an earlier connection.
    void Open();
    // Allocates and binds a socket, resolves the host and connects. A time-out of 0 or -1
    // blocks until the system gives up; a positive time-out raises EIdConnectTimeout when
    // it runs out; -2 waits without limit. Closes the socket again on any failure.
    void ConnectClient(const std::string& host, int port, const std::string& boundIP, int boundPort,
                       int timeoutMs);
    void Close();
    // True while a socket is allocated.
    bool Connected() const;

    // Raises EIdConnClosedGracefully when no socket is allocated.
    bool Readable(int timeoutMs);
    std::ptrdiff_t Recv(void* buffer, std::size_t count);
    std::ptrdiff_t Send(const void* buffer, std::size_t count);

    TIdSocketHandle* Binding() { return binding_.get(); }

private:
    std::string ResolveHost(const std::string& host);
    void ConnectWithTimeout(int timeoutMs);

    std::unique_ptr<TIdSocketHandle> binding_;
};
