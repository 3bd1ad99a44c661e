#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/Exceptions.h"

// The error family of the network components. Every failure of the connection layer and of
// the protocols built on it is one of these, so callers can catch the whole family at once.

class EIdException : public Exception {
public:
    using Exception::Exception;
};

// Errors that mark an expected end rather than a fault, such as a peer that closed.
class EIdSilentException : public EIdException {
public:
    using EIdException::EIdException;
};

class EIdConnClosedGracefully : public EIdSilentException {
public:
    EIdConnClosedGracefully();
};

class EIdReadTimeout : public EIdException {
public:
    EIdReadTimeout();
};

class EIdReadLnMaxLineLengthExceeded : public EIdException {
public:
    EIdReadLnMaxLineLengthExceeded();
};

class EIdNotConnected : public EIdException {
public:
    EIdNotConnected();
};

class EIdConnectTimeout : public EIdException {
public:
    EIdConnectTimeout();
};

// A connect with a time-out that failed; carries that failure's message.
class EIdConnectException : public EIdException {
public:
    using EIdException::EIdException;
};

class EIdInvalidSocket : public EIdException {
public:
    EIdInvalidSocket();
};

// A failing socket call. LastError() is the error number in the Windows sockets numbering
// (10061 for a refused connection, 11001 for a host that cannot be found, ...).
class EIdSocketError : public EIdException {
public:
    explicit EIdSocketError(int lastError);

    int LastError() const noexcept { return lastError_; }

private:
    int lastError_;
};

// A port number outside 0..65535.
class EIdInvalidPort : public EIdException {
public:
    explicit EIdInvalidPort(const std::string& port);
};

// A block read whose destination cannot take the announced number of bytes (the count does
// not fit, or memory runs out).
class EIdStreamSizeError : public EIdException {
public:
    explicit EIdStreamSizeError(std::int64_t count);
};

// --- HTTP -----------------------------------------------------------------------------------

// An error status, or a redirect that is neither followed nor handled. Message() is the status
// line, ErrorCode() the status code (-1 when the line held none), ErrorMessage() the body the
// server sent with it.
class EIdHTTPProtocolException : public EIdException {
public:
    EIdHTTPProtocolException(int code, const std::string& statusLine, std::string body)
        : EIdException(statusLine), code_(code), body_(std::move(body)) {}

    int ErrorCode() const noexcept { return code_; }
    const std::string& ErrorMessage() const noexcept { return body_; }

private:
    int code_;
    std::string body_;
};

// A URL protocol other than http and https without an explicit port.
class EIdUnknownProtocol : public EIdException {
public:
    EIdUnknownProtocol() : EIdException(std::string()) {}
};

// An https URL: this client has no TLS socket handler.
class EIdIOHandlerPropInvalid : public EIdException {
public:
    EIdIOHandlerPropInvalid();
};

// A response that breaks the protocol or its bounds: a body that ends before its announced
// length, a chunk size that is no hexadecimal number, a length beyond 64 bits, a head that
// exceeds the size limit. Never taken for a complete download.
class EIdHTTPInvalidResponse : public EIdException {
public:
    using EIdException::EIdException;
};
