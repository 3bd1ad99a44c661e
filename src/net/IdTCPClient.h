#pragma once

#include <string>

#include "net/IdTCPConnection.h"

// The client end of a TCP connection: where to connect, and the connect itself.
class TIdTCPClient : public TIdTCPConnection {
public:
    std::string Host;
    int Port = 0;
    std::string BoundIP;  // empty: any local address
    int BoundPort = 0;    // 0: any local port

    // Connects to Host and Port. With the default time-out, or none set, the connect blocks
    // until the system gives up; a limit, or the deadline, raises EIdConnectTimeout when it
    // runs out; OnWaiting runs while the connect waits. Reports resolving (unless Host is a
    // dotted address), connecting and connected, then calls OnConnected.
    void Connect(TIdTimeout timeout = TIdTimeout::Default());
};
