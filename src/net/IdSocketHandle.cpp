#include "net/IdSocketHandle.h"

#include "net/IdStack.h"

TIdSocketHandle::~TIdSocketHandle() {
    CloseSocket();
}

void TIdSocketHandle::Reset() {
    CloseSocket();
    peerIP_.clear();
    peerPort_ = 0;
}

void TIdSocketHandle::AllocateSocket() {
    CloseSocket();
    handle_ = GStack().NewSocket();
}

void TIdSocketHandle::Bind(const std::string& ip, int port) {
    GStack().Bind(handle_, ip, port);
}

void TIdSocketHandle::SetPeer(const std::string& ip, int port) {
    peerIP_ = ip;
    peerPort_ = port;
}

void TIdSocketHandle::Connect() {
    GStack().Connect(handle_, peerIP_, peerPort_);
}

TIdWaitEnd TIdSocketHandle::ConnectWithin(const TIdWaitLimits& limits) {
    return GStack().ConnectWithin(handle_, peerIP_, peerPort_, limits);
}

void TIdSocketHandle::CloseSocket() {
    if (HandleAllocated()) {
        GStack().Close(handle_);
        handle_ = -1;
    }
}

std::ptrdiff_t TIdSocketHandle::Recv(void* buffer, std::size_t count) {
    return GStack().Recv(handle_, buffer, count);
}

std::ptrdiff_t TIdSocketHandle::Send(const void* buffer, std::size_t count) {
    return GStack().Send(handle_, buffer, count);
}

bool TIdSocketHandle::Readable(TIdTimeout timeout) {
    return GStack().Readable(handle_, timeout);
}
