#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "net/IdHeaderList.h"

enum TIdHTTPProtocolVersion { pv1_0, pv1_1 };

// What an HTTP request says about itself. The raw headers are made from the fields when the
// request is written; empty fields give no line.
class TIdHTTPRequest {
public:
    std::string URL;  // the request target, e.g. "/marbelin_ext.txt"
    std::string Method = "GET";
    std::string Connection;
    std::string ProxyConnection;
    std::string Host;
    std::string Accept = "text/html, */*";
    std::string AcceptCharSet;
    std::string AcceptEncoding;
    std::string AcceptLanguage;
    std::string From;
    std::string Referer;
    std::string UserAgent = "Mozilla/3.0 (compatible; Lumbrafix)";
    std::string ContentType = "text/html";
    std::int64_t ContentLength = -1;  // -1: none
    std::int64_t ContentRangeStart = 0;
    std::int64_t ContentRangeEnd = 0;
    std::string ContentVersion;
    std::string ContentEncoding;
    std::string ContentLanguage;
    std::string CacheControl;
    std::string Pragma;
    std::time_t Date = 0;  // 0: none
    std::time_t Expires = 0;
    std::time_t LastModified = 0;  // sent as If-Modified-Since
    std::string Username;
    std::string Password;
    TIdHeaderList CustomHeaders;
    TIdHeaderList RawHeaders{TIdHeaderList::kRequestFoldLength};

    // Fills RawHeaders from the fields in the order they go on the wire; the cookie header
    // comes last when not empty.
    void SetHeaders(const std::string& cookie);
    // The request line and the raw headers, each ending with CR LF, and the empty line.
    std::string Text(TIdHTTPProtocolVersion version) const;
};
