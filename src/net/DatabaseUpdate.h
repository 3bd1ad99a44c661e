#pragma once

#include <functional>
#include <string>

#include "platform/Exceptions.h"
#include "platform/Streams.h"

// Receiving a new extension database over the network without ever putting the one in use at
// risk: the body goes into a temporary file beside the database, is checked to be a database
// file at all, is flushed to disk and only then renamed over the old file. Whatever fails on
// the way, the old file stays exactly as it was and the temporary file is removed.

// Raised when the received body cannot be a database file: empty, not a whole number of
// cipher blocks, or a last block whose deciphered byte count is out of range (an HTML page,
// a body cut short).
class EDatabaseUpdateError : public Exception {
public:
    using Exception::Exception;
};

// Writes a response body into the stream it is given; raises on any failure of the transfer.
using TDatabaseTransfer = std::function<void(TStream& destination)>;

// True when the whole of `file` is framed like an enciphered database: at least one
// block of 8 bytes, a whole number of blocks, and a last block that deciphers under the
// program's key to a byte count of 0 to 7.
bool IsWellFormedDatabase(TStream& file);

// Lets `transfer` fill a temporary file in the database's folder and puts it in place of
// `databasePath` once it is complete and well formed. An unwritable folder raises before
// `transfer` is called, so no request goes out. Raises EDatabaseUpdateError for a body that
// is no database; errors of the transfer and of the file system pass through unchanged.
void ReceiveDatabaseFile(const std::string& databasePath, const TDatabaseTransfer& transfer);
