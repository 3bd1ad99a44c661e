#include "net/IdIOHandlerSocket.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "net/IdException.h"
#include "net/IdStack.h"

namespace {

bool IsLocalHostName(const std::string& host) {
    static constexpr std::string_view kLocalHost = "LOCALHOST";
    return std::equal(
        host.begin(), host.end(), kLocalHost.begin(), kLocalHost.end(),
        [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

TIdIOHandlerSocket::TIdIOHandlerSocket() = default;

TIdIOHandlerSocket::~TIdIOHandlerSocket() = default;

void TIdIOHandlerSocket::Open() {
    if (binding_) {
        binding_->Reset();
    } else {
        binding_ = std::make_unique<TIdSocketHandle>();
    }
}

void TIdIOHandlerSocket::ConnectClient(const std::string& host, int port,
                                       const std::string& boundIP, int boundPort,
                                       const TIdWaitLimits& limits, bool systemMayDecide) {
    try {
        binding_->AllocateSocket();
        binding_->Bind(boundIP, boundPort);
        binding_->SetPeer(ResolveHost(host), port);
        DoStatus(hsConnecting, binding_->PeerIP());
        if (systemMayDecide && !limits.Bounded()) {
            binding_->Connect();
        } else {
            ConnectWithin(limits);
        }
    } catch (...) {
        Close();
        throw;
    }
}

std::string TIdIOHandlerSocket::ResolveHost(const std::string& host) {
    if (GStack().IsIP(host)) {
        return host;
    }
    DoStatus(hsResolving, host);
    if (IsLocalHostName(host)) {
        return "127.0.0.1";
    }
    return GStack().ResolveHost(host);
}

// A non-blocking connect watched with poll: the limits hold from the start, and nothing is
// left running behind the caller when one runs out.
void TIdIOHandlerSocket::ConnectWithin(const TIdWaitLimits& limits) {
    TIdWaitEnd end = TIdWaitEnd::kReady;
    try {
        end = binding_->ConnectWithin(limits);
    } catch (const EIdSocketError& error) {
        throw EIdConnectException(error.Message());
    }
    if (end != TIdWaitEnd::kReady) {
        throw EIdConnectTimeout();
    }
}

void TIdIOHandlerSocket::Close() {
    if (binding_) {
        binding_->CloseSocket();
    }
}

bool TIdIOHandlerSocket::Connected() const {
    return binding_ && binding_->HandleAllocated();
}

bool TIdIOHandlerSocket::Readable(TIdTimeout timeout) {
    if (!Connected()) {
        throw EIdConnClosedGracefully();
    }
    return binding_->Readable(timeout);
}

std::ptrdiff_t TIdIOHandlerSocket::Recv(void* buffer, std::size_t count) {
    return binding_->Recv(buffer, count);
}

std::ptrdiff_t TIdIOHandlerSocket::Send(const void* buffer, std::size_t count) {
    return binding_->Send(buffer, count);
}
