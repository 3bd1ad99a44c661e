#include "net/IdTCPConnection.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "net/IdException.h"
#include "net/IdSocketErrors.h"
#include "net/IdStack.h"
#include "platform/BoundedStream.h"

namespace {

constexpr std::string_view kLineFeed = "\n";

}  // namespace

TIdTCPConnection::TIdTCPConnection() = default;

TIdTCPConnection::~TIdTCPConnection() = default;

TIdIOHandlerSocket& TIdTCPConnection::OpenIOHandler() {
    if (!ioHandler_) {
        ioHandler_ = std::make_unique<TIdIOHandlerSocket>();
        ioHandler_->OnStatus = [this](TIdComponent&, TIdStatus status, const std::string& text) {
            if (OnStatus) {
                OnStatus(*this, status, text);
            }
        };
    }
    ioHandler_->Open();
    inputBuffer_.Clear();
    closedGracefully_ = false;
    return *ioHandler_;
}

void TIdTCPConnection::DoOnConnected() {
    if (OnConnected) {
        OnConnected(*this);
    }
}

void TIdTCPConnection::DoOnDisconnected() {
    if (OnDisconnected) {
        OnDisconnected(*this);
    }
}

bool TIdTCPConnection::SocketOpen() const {
    return ioHandler_ && ioHandler_->Connected();
}

void TIdTCPConnection::CloseSocket() {
    closedGracefully_ = true;
    if (ioHandler_) {
        ioHandler_->Close();
    }
}

void TIdTCPConnection::Disconnect() {
    writeBuffer_.reset();
    inputBuffer_.Clear();
    if (!ioHandler_) {
        return;
    }
    DoStatus(hsDisconnecting);
    CloseSocket();
    ioHandler_.reset();
    DoOnDisconnected();
    DoStatus(hsDisconnected);
}

bool TIdTCPConnection::Connected() {
    CheckForDisconnect(false);
    return SocketOpen();
}

bool TIdTCPConnection::CheckForDisconnect(bool raiseIfDisconnected, bool ignoreBuffer) {
    if (closedGracefully_ && SocketOpen()) {
        ioHandler_->Close();
        DoStatus(hsDisconnected);
        DoOnDisconnected();
    }
    const bool disconnected = !SocketOpen();
    if (disconnected && raiseIfDisconnected && (ignoreBuffer || inputBuffer_.Size() == 0)) {
        throw EIdConnClosedGracefully();
    }
    return disconnected;
}

int TIdTCPConnection::ReadFromStack(bool raiseIfDisconnected, TIdTimeout timeout,
                                    bool raiseOnTimeout) {
    if (timeout == TIdTimeout::Default()) {
        timeout = ReadTimeout.Value();
    }
    CheckForDisconnect(raiseIfDisconnected);
    if (!SocketOpen()) {
        if (raiseIfDisconnected) {
            throw EIdNotConnected();
        }
        return 0;
    }
    int received = 0;
    do {
        if (!WaitUntilReadable(timeout)) {
            if (raiseOnTimeout) {
                throw EIdReadTimeout();
            }
            return -1;
        }
        received = ReceiveOnce();
        CheckForDisconnect(raiseIfDisconnected);
    } while (received == 0 && SocketOpen());
    return received;
}

// False when the time-out ran out first; a deadline that runs out raises. Without any limit
// or hook the receive itself waits; asking first would only cost a call.
bool TIdTCPConnection::WaitUntilReadable(TIdTimeout timeout) {
    const TIdWaitLimits limits = WaitLimits(timeout);
    if (!limits.Bounded()) {
        return true;
    }
    const TIdWaitEnd end =
        WaitSliced([this](TIdTimeout wait) { return ioHandler_->Readable(wait); }, limits);
    if (end == TIdWaitEnd::kDeadlinePassed) {
        throw EIdReadTimeout();
    }
    return end == TIdWaitEnd::kReady;
}

std::size_t TIdTCPConnection::ReceiveSize() const {
    if (RecvBufferSize < 1) {
        return kDefaultRecvBufferSize;
    }
    return static_cast<std::size_t>(std::min(RecvBufferSize, kMaxRecvBufferSize));
}

int TIdTCPConnection::ReceiveOnce() {
    const std::size_t room = ReceiveSize();
    const std::ptrdiff_t received = ioHandler_->Recv(inputBuffer_.Reserve(room), room);
    if (received < 0) {
        const int error = GStack().LastError();
        // The socket is of no further use, so it must not look connected any more.
        if (EndsTheSocket(error)) {
            CloseSocket();
            if (error != kSocketConnectionReset && inputBuffer_.Size() > 0) {
                return 0;
            }
        }
        GStack().RaiseSocketError(error);
    }
    if (received == 0) {
        closedGracefully_ = true;
    }
    inputBuffer_.Commit(static_cast<std::size_t>(received));
    return static_cast<int>(received);
}

void TIdTCPConnection::ConsumeInput(std::size_t count) {
    inputBuffer_.Consume(count);
    DoWork(wmRead, static_cast<std::int64_t>(count));
}

std::string TIdTCPConnection::TakeLine(std::size_t length, std::size_t terminatorLength) {
    std::string line(inputBuffer_.View().substr(0, length));
    ConsumeInput(length + terminatorLength);
    return line;
}

std::string TIdTCPConnection::ReadLn(std::string_view terminator, TIdTimeout timeout,
                                     int maxLength) {
    if (terminator.empty()) {
        terminator = kLineFeed;
    }
    const auto limit = static_cast<std::size_t>(maxLength < 0 ? MaxLineLength : maxLength);
    readLnSplit_ = false;
    readLnTimedOut_ = false;
    std::size_t searchFrom = 0;
    for (;;) {
        const std::size_t found = inputBuffer_.Find(terminator, searchFrom);
        const std::size_t lineLength =
            found == std::string_view::npos ? inputBuffer_.Size() : found;
        if (limit > 0 && lineLength > limit) {
            if (MaxLineAction == maException) {
                throw EIdReadLnMaxLineLengthExceeded();
            }
            readLnSplit_ = true;
            return TakeLine(limit, 0);
        }
        if (found != std::string_view::npos) {
            std::string line = TakeLine(found, terminator.size());
            if (terminator == kLineFeed && !line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line;
        }
        // The terminator may have begun in the bytes searched so far.
        searchFrom = inputBuffer_.Size() - std::min(inputBuffer_.Size(), terminator.size() - 1);
        CheckForDisconnect(true, true);
        if (ReadFromStack(true, timeout, timeout == TIdTimeout::Default()) == -1) {
            readLnTimedOut_ = true;
            return {};
        }
    }
}

void TIdTCPConnection::WaitForInput(std::size_t count) {
    while (inputBuffer_.Size() < count) {
        ReadFromStack();
        CheckForDisconnect(true, true);
    }
}

void TIdTCPConnection::ReadBuffer(void* buffer, std::size_t count) {
    if (count == 0) {
        return;
    }
    WaitForInput(count);
    std::memcpy(buffer, inputBuffer_.Data(), count);
    ConsumeInput(count);
}

void TIdTCPConnection::WriteInput(TStream& stream, std::size_t count) {
    stream.WriteBuffer(inputBuffer_.Data(), count);
    ConsumeInput(count);
}

void TIdTCPConnection::ReadStream(TStream& stream, std::int64_t byteCount,
                                  bool readUntilDisconnect) {
    const bool untilDisconnect = readUntilDisconnect || byteCount < 0;
    if (byteCount >= 0) {
        PresizeStream(stream, byteCount);
    }
    BeginWork(wmRead, untilDisconnect ? 0 : byteCount);
    try {
        ReadBlocks(stream, untilDisconnect ? std::numeric_limits<std::int64_t>::max() : byteCount,
                   untilDisconnect);
    } catch (...) {
        EndBlockRead(stream);
        throw;
    }
    EndBlockRead(stream);
}

// The count comes from the peer (a Content-Length, a chunk size): it must neither overflow
// nor let an allocation failure escape as something other than a connection error.
void TIdTCPConnection::PresizeStream(TStream& stream, std::int64_t byteCount) {
    const std::int64_t position = stream.Position();
    if (byteCount > std::numeric_limits<std::int64_t>::max() - position) {
        throw EIdStreamSizeError(byteCount);
    }
    try {
        stream.SetSize(position + byteCount);
    } catch (const EStreamTooLarge&) {
        throw;  // a destination with a limit of its own names it
    } catch (const std::bad_alloc&) {
        throw EIdStreamSizeError(byteCount);
    } catch (const std::length_error&) {
        throw EIdStreamSizeError(byteCount);
    } catch (const EStreamError&) {
        throw EIdStreamSizeError(byteCount);  // a file that may not grow so far
    }
}

void TIdTCPConnection::ReadBlocks(TStream& stream, std::int64_t remaining, bool untilDisconnect) {
    const auto buffered = std::min<std::int64_t>(remaining, inputBuffer_.Size());
    if (buffered > 0) {
        WriteInput(stream, static_cast<std::size_t>(buffered));
        remaining -= buffered;
    }
    while (remaining > 0 && Connected()) {
        const auto block =
            static_cast<std::size_t>(std::min<std::int64_t>(remaining, ReceiveSize()));
        try {
            WaitForInput(block);
        } catch (const EIdConnClosedGracefully&) {
            if (!untilDisconnect) {
                throw;
            }
            // The rest that came before the close; it ends the body without a work count.
            stream.WriteBuffer(inputBuffer_.Data(), inputBuffer_.Size());
            inputBuffer_.Clear();
            return;
        }
        WriteInput(stream, block);
        remaining -= static_cast<std::int64_t>(block);
    }
    // A counted read must not end short without telling, whether the peer closed in the
    // middle of a block or before the next one.
    if (!untilDisconnect && remaining > 0) {
        throw EIdConnClosedGracefully();
    }
}

void TIdTCPConnection::EndBlockRead(TStream& stream) {
    EndWork(wmRead);
    const std::int64_t position = stream.Position();
    if (stream.Size() > position) {
        stream.SetSize(position);
    }
}

void TIdTCPConnection::WriteBuffer(const void* buffer, std::size_t count) {
    if (count == 0) {
        return;
    }
    if (!writeBuffer_) {
        SendAll(buffer, count);
        return;
    }
    writeBuffer_->append(static_cast<const char*>(buffer), count);
    if (writeThreshold_ > 0 && writeBuffer_->size() >= static_cast<std::size_t>(writeThreshold_)) {
        FlushWriteBuffer();
    }
}

void TIdTCPConnection::Write(std::string_view text) {
    WriteBuffer(text.data(), text.size());
}

void TIdTCPConnection::WriteLn(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    Write(line);
}

void TIdTCPConnection::OpenWriteBuffer(int threshold) {
    if (writeBuffer_ && !writeBuffer_->empty()) {
        FlushWriteBuffer();
    }
    writeBuffer_.emplace();
    writeThreshold_ = threshold;
}

void TIdTCPConnection::CloseWriteBuffer() {
    if (!writeBuffer_) {
        return;
    }
    const std::string pending = std::move(*writeBuffer_);
    writeBuffer_.reset();
    if (!pending.empty()) {
        SendAll(pending.data(), pending.size());
    }
}

void TIdTCPConnection::FlushWriteBuffer() {
    std::string pending;
    pending.swap(*writeBuffer_);
    SendAll(pending.data(), pending.size());
}

void TIdTCPConnection::SendAll(const void* buffer, std::size_t count) {
    CheckForDisconnect(true, true);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    while (count > 0) {
        const std::ptrdiff_t sent = ioHandler_->Send(bytes, count);
        if (sent < 0) {
            const int error = GStack().LastError();
            if (EndsTheSocket(error)) {
                CloseSocket();
            }
            GStack().RaiseSocketError(error);
        }
        if (sent == 0) {
            closedGracefully_ = true;
            CheckForDisconnect(true, true);
        }
        DoWork(wmWrite, sent);
        bytes += sent;
        count -= static_cast<std::size_t>(sent);
    }
}
