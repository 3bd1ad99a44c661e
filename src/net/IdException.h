#pragma once

#include <string>

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

// A failure that the connect thread reported; carries that failure's message.
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
