#pragma once

#include <cstddef>
#include <string>

#include "net/IdWait.h"

// One system socket with the address of its peer. All calls go through the shared socket
// layer; the handle closes its socket when it is destroyed.
class TIdSocketHandle {
public:
    TIdSocketHandle() = default;
    ~TIdSocketHandle();
    TIdSocketHandle(const TIdSocketHandle&) = delete;
    TIdSocketHandle& operator=(const TIdSocketHandle&) = delete;

    // Closes a socket still open and forgets the peer.
    void Reset();
    void AllocateSocket();
    void Bind(const std::string& ip, int port);
    void SetPeer(const std::string& ip, int port);
    // Connects to the peer and blocks until the system answers.
    void Connect();
    // Connects within the limits; tells which one ran out first, if any.
    TIdWaitEnd ConnectWithin(const TIdWaitLimits& limits);
    void CloseSocket();

    std::ptrdiff_t Recv(void* buffer, std::size_t count);
    std::ptrdiff_t Send(const void* buffer, std::size_t count);
    bool Readable(TIdTimeout timeout);

    bool HandleAllocated() const { return handle_ >= 0; }
    const std::string& PeerIP() const { return peerIP_; }
    int PeerPort() const { return peerPort_; }

private:
    int handle_ = -1;
    std::string peerIP_;
    int peerPort_ = 0;
};
