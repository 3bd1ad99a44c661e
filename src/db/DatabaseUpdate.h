#pragma once

#include <functional>
#include <string>

#include "platform/Exceptions.h"
#include "platform/Streams.h"

// Receiving a new extension database without ever putting the one in use at risk: the body
// goes into a temporary file beside the database, at most kMaxDatabaseBytes of it, must pass
// the database check, is flushed to disk and only then renamed over the old file. Whatever
// fails on the way, the old file stays exactly as it was and the temporary file is removed.

// Raised when the received body is no database the program loads; the message says why.
class EDatabaseUpdateError : public Exception {
public:
    explicit EDatabaseUpdateError(const std::string& reason)
        : Exception("The received file is no extension database: " + reason), reason_(reason) {}
    const std::string& Reason() const { return reason_; }

private:
    std::string reason_;
};

// Writes a response body into the stream it is given; raises on any failure of the transfer.
using TDatabaseTransfer = std::function<void(TStream& destination)>;

// Lets `transfer` fill a temporary file in the database's folder and puts it in place of
// `databasePath` once it is complete and passes CheckDatabase. An unwritable folder raises
// before `transfer` is called, so no request goes out. A body that would grow beyond
// kMaxDatabaseBytes raises EStreamTooLarge before the file grows past it; a body that is no
// database raises EDatabaseUpdateError; errors of the transfer and of the file system pass
// through unchanged.
void ReceiveDatabaseFile(const std::string& databasePath, const TDatabaseTransfer& transfer);
