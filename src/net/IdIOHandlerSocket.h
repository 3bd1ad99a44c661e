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
    // Allocates and binds a socket, resolves the host and connects. Without limits, and when
    // the system may decide, the connect blocks until the system gives up; otherwise it is
    // watched: a time-out or deadline that runs out raises EIdConnectTimeout, and the hook
    // runs while the connect waits. Closes the socket again on any failure.
    void ConnectClient(const std::string& host, int port, const std::string& boundIP, int boundPort,
                       const TIdWaitLimits& limits, bool systemMayDecide);
    void Close();
    // True while a socket is allocated.
    bool Connected() const;

    // Raises EIdConnClosedGracefully when no socket is allocated.
    bool Readable(TIdTimeout timeout);
    std::ptrdiff_t Recv(void* buffer, std::size_t count);
    std::ptrdiff_t Send(const void* buffer, std::size_t count);

    TIdSocketHandle* Binding() { return binding_.get(); }

private:
    std::string ResolveHost(const std::string& host);
    void ConnectWithin(const TIdWaitLimits& limits);

    std::unique_ptr<TIdSocketHandle> binding_;
};
