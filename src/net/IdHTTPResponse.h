#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "net/IdHTTPRequest.h"
#include "platform/Streams.h"

// What a server answered: the status line and the header fields taken from its head.
class TIdHTTPResponse {
public:
    std::string ResponseText;  // the whole status line
    int ResponseCode = -1;     // -1 when the status line holds no number
    TIdHTTPProtocolVersion ResponseVersion = pv1_1;
    TIdHeaderList RawHeaders;
    std::string Location;
    std::string Server;
    std::string Connection;
    std::string ProxyConnection;
    std::string ContentType;
    std::string ContentVersion;
    std::string ContentEncoding;
    std::string ContentLanguage;
    std::string TransferEncoding;
    std::int64_t ContentLength = -1;  // -1 when absent or not a number
    bool HasContentLength = false;
    std::int64_t ContentRangeStart = 0;
    std::int64_t ContentRangeEnd = 0;
    std::int64_t ContentRangeInstanceLength = 0;
    std::time_t Date = 0;  // 0: none or unreadable
    std::time_t LastModified = 0;
    std::time_t Expires = 0;
    std::string Pragma;
    std::vector<std::string> WWWAuthenticate;
    std::vector<std::string> ProxyAuthenticate;
    bool KeepAlive = false;
    TStream* ContentStream = nullptr;  // the caller's destination

    // Takes the code and the version from a status line: the code is its second word.
    void SetStatusLine(const std::string& line);
    // Takes the known fields from RawHeaders. Raises EIdHTTPInvalidResponse for a
    // Content-Length that does not fit 64 bits.
    void ProcessHeaders();
    // Forgets everything of an earlier response; the destination stays.
    void Clear();
};
