#pragma once

#include <cstddef>
#include <string>

#include "net/IdWait.h"

// The process-wide socket layer on POSIX sockets. Every socket call of the network components
// goes through the one object, which reports system errors in the Windows sockets numbering
// of IdSocketErrors.h (ECONNREFUSED becomes 10061 and so on).
//
// The object lives while at least one component exists: the first TIdComponent creates it and
// the last one frees it; a process-wide lock guards the count.
class TIdStackPosix {
public:
    static void Acquire();
    static void Release();
    static int UserCount();

    // A new IPv4 stream socket; raises EIdInvalidSocket when the system refuses one.
    int NewSocket();
    void Bind(int socket, const std::string& ip, int port);
    void Connect(int socket, const std::string& ip, int port);
    // Connects without blocking beyond the limits, running their hook while it waits; tells
    // which limit ran out first, if any. The socket is left blocking again either way.
    TIdWaitEnd ConnectWithin(int socket, const std::string& ip, int port,
                             const TIdWaitLimits& limits);
    // Both return the byte count, or -1 with LastError() telling why. Sending never raises
    // SIGPIPE: a peer that has gone shows up as an error number.
    std::ptrdiff_t Recv(int socket, void* buffer, std::size_t count);
    std::ptrdiff_t Send(int socket, const void* buffer, std::size_t count);
    // Waits until the socket has data or an end to report, at most for the time-out's limit.
    // False when the time ran out.
    bool Readable(int socket, TIdTimeout timeout);
    void Close(int socket);

    // The error number of the last failed call of this thread, Windows sockets numbering.
    int LastError() const;
    [[noreturn]] void RaiseSocketError(int lastError) const;

    // True for a dotted IPv4 address such as "127.0.0.1".
    bool IsIP(const std::string& host) const;
    // The first IPv4 address of a host name; raises EIdSocketError (11001 for an unknown
    // name) when there is none.
    std::string ResolveHost(const std::string& host) const;
};

// The shared socket layer; valid while a component exists.
TIdStackPosix& GStack();
