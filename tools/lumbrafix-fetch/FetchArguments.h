#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/DatabaseCheck.h"
#include "net/UpdateSettings.h"
#include "platform/Exceptions.h"

// What "lumbrafix-fetch [--timeout SECONDS] [--max-size BYTES] [--database] [-v] URL FILE"
// asks for.
struct FetchArguments {
    bool help = false;
    bool verbose = false;
    bool database = false;                       // write FILE only when it is a database
    int timeoutSeconds = kUpdateTimeoutSeconds;  // connect + head, and body inactivity
    std::int64_t maxSize = kMaxDatabaseBytes;    // the body's limit in bytes
    std::string url;
    std::string file;
};

// Raised for a command line the tool cannot run; the message says what is wrong.
class EFetchUsage : public Exception {
public:
    using Exception::Exception;
};

// Options may stand anywhere, as "--name VALUE" or "--name=VALUE"; "--help" wins over
// everything else.
FetchArguments ParseFetchArguments(const std::vector<std::string>& arguments);
