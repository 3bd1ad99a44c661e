#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/IdBuffer.h"
#include "net/IdComponent.h"
#include "net/IdIOHandlerSocket.h"
#include "net/IdTimeout.h"
#include "net/IdWait.h"
#include "platform/Streams.h"

enum TIdMaxLineAction { maException, maSplit };

// A blocking TCP connection with a buffered input side (line reader, block reader, exact
// read), a buffered output side and detection of a connection the peer has closed. Bytes
// already received stay readable after the peer closed. Every consumed input byte counts as
// read work, every sent byte as write work (see TIdComponent for when that fires events).
class TIdTCPConnection : public TIdComponent {
public:
    static constexpr int kDefaultRecvBufferSize = 32768;
    static constexpr int kMaxRecvBufferSize = 64 << 20;

    TIdTCPConnection();
    ~TIdTCPConnection() override;

    std::function<void(TIdTCPConnection& sender)> OnConnected;
    std::function<void(TIdTCPConnection& sender)> OnDisconnected;

    // Runs every kWaitSlice while the connection waits for the peer, connecting or reading;
    // it may raise to abandon the transfer. Without it a wait does not come back early.
    std::function<void()> OnWaiting;

    TIdTimeoutProperty ReadTimeout;  // milliseconds; 0 waits without limit
    // One limit for a whole phase such as connecting and reading a response head: a wait
    // still going on at that time ends with EIdConnectTimeout or EIdReadTimeout. Nothing
    // clears it.
    void SetDeadline(std::optional<TIdClock::time_point> deadline) { deadline_ = deadline; }
    // Bytes asked for in one receive and moved in one block; sizes below 1 mean the default
    // and sizes above kMaxRecvBufferSize that maximum.
    int RecvBufferSize = kDefaultRecvBufferSize;
    int MaxLineLength = 16384;  // 0 = no limit
    TIdMaxLineAction MaxLineAction = maException;

    // Closes the socket, frees the socket handler and drops unread input; harmless when
    // nothing is open.
    void Disconnect();
    bool Connected();
    // Finds out whether the connection has ended. Raises EIdConnClosedGracefully when it
    // has and either nothing is buffered or ignoreBuffer is set (and raising is asked).
    bool CheckForDisconnect(bool raiseIfDisconnected = true, bool ignoreBuffer = false);
    // One receive step: appends what arrives to the input buffer and returns its size, or
    // -1 when the time-out ran out and raiseOnTimeout is off.
    int ReadFromStack(bool raiseIfDisconnected = true, TIdTimeout timeout = TIdTimeout::Default(),
                      bool raiseOnTimeout = true);

    // A line up to the terminator, which is consumed with it; with the terminator LF a CR
    // before it goes too. A maxLength of -1 means MaxLineLength. With the default time-out,
    // ReadTimeout, a wait that runs out raises EIdReadTimeout; with any other the result is
    // then empty and ReadLnTimedOut() tells so.
    std::string ReadLn(std::string_view terminator = "\n",
                       TIdTimeout timeout = TIdTimeout::Default(), int maxLength = -1);
    bool ReadLnSplit() const { return readLnSplit_; }
    bool ReadLnTimedOut() const { return readLnTimedOut_; }

    // Waits until count bytes are buffered, copies and consumes them.
    void ReadBuffer(void* buffer, std::size_t count);
    // Reads byteCount bytes, or with readUntilDisconnect everything until the peer closes,
    // into the stream from its position. A known count sets the stream's size once ahead;
    // EIdStreamSizeError when the stream cannot take it. A negative count reads until the
    // peer closes as well.
    void ReadStream(TStream& stream, std::int64_t byteCount = -1, bool readUntilDisconnect = false);

    void WriteBuffer(const void* buffer, std::size_t count);
    void Write(std::string_view text);
    void WriteLn(std::string_view text = {});
    // Collects writes until CloseWriteBuffer, or until threshold bytes are collected. Bytes
    // collected by a buffer already open are sent first.
    void OpenWriteBuffer(int threshold = -1);
    void CloseWriteBuffer();

    bool ClosedGracefully() const { return closedGracefully_; }
    TIdBuffer& InputBuffer() { return inputBuffer_; }
    TIdIOHandlerSocket* IOHandler() { return ioHandler_.get(); }

protected:
    // The limits of a wait with the time-out in the current phase.
    TIdWaitLimits WaitLimits(TIdTimeout timeout) const { return {timeout, deadline_, OnWaiting}; }
    // Makes the socket handler ready for a new connection and clears the input side.
    TIdIOHandlerSocket& OpenIOHandler();
    void DoOnConnected();

private:
    bool SocketOpen() const;
    void CloseSocket();
    void DoOnDisconnected();
    bool WaitUntilReadable(TIdTimeout timeout);
    int ReceiveOnce();
    std::size_t ReceiveSize() const;
    void PresizeStream(TStream& stream, std::int64_t byteCount);
    void ConsumeInput(std::size_t count);
    std::string TakeLine(std::size_t length, std::size_t terminatorLength);
    void WaitForInput(std::size_t count);
    void WriteInput(TStream& stream, std::size_t count);
    void ReadBlocks(TStream& stream, std::int64_t remaining, bool untilDisconnect);
    void EndBlockRead(TStream& stream);
    void FlushWriteBuffer();
    void SendAll(const void* buffer, std::size_t count);

    TIdBuffer inputBuffer_;
    bool closedGracefully_ = false;
    bool readLnSplit_ = false;
    bool readLnTimedOut_ = false;
    std::optional<std::string> writeBuffer_;
    int writeThreshold_ = -1;
    std::unique_ptr<TIdIOHandlerSocket> ioHandler_;
    std::optional<TIdClock::time_point> deadline_;
};
