#include "net/IdHTTPResponse.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

#include "net/IdDateTime.h"
#include "net/IdException.h"

namespace {

// A header's decimal number; nothing when the text is not one. A number beyond 64 bits is a
// broken or hostile response.
std::optional<std::int64_t> DecimalValue(const std::string& text, const char* header) {
    if (!AllDigits(text)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        throw EIdHTTPInvalidResponse(FormatMessage("%s zu gro\xDF: %s", header, text.c_str()));
    }
    return value;
}

// The one Content-Length of a head, which may come in several lines or as a list: values
// that differ leave the body's length unknown, and reading on would take the wrong bytes.
std::optional<std::int64_t> ContentLengthOf(const std::vector<std::string>& lines) {
    std::optional<std::string> first;
    for (const std::string& line : lines) {
        for (std::size_t from = 0; from <= line.size();) {
            const std::size_t comma = std::min(line.find(',', from), line.size());
            const std::string value = Trim(line.substr(from, comma - from));
            if (first && value != *first) {
                throw EIdHTTPInvalidResponse(
                    FormatMessage("Widerspr\xFC"
                                  "chliche Content-Length: %.40s und %.40s",
                                  first->c_str(), value.c_str()));
            }
            first = value;
            from = comma + 1;
        }
    }
    return first ? DecimalValue(*first, "Content-Length") : std::nullopt;
}

// The values of several lines of one field as one list, in their order.
std::string JoinedValues(const std::vector<std::string>& values) {
    std::string joined;
    for (const std::string& value : values) {
        joined += (joined.empty() ? "" : ", ") + value;
    }
    return joined;
}

std::time_t DateValue(const std::string& text) {
    return GMTToTime(text).value_or(0);
}

}  // namespace

void TIdHTTPResponse::SetStatusLine(const std::string& line) {
    ResponseText = line;
    const std::size_t first = line.find(' ');
    const std::size_t start = line.find_first_not_of(' ', first);
    std::string word;
    if (first != std::string::npos && start != std::string::npos) {
        word = line.substr(start, line.find(' ', start) - start);
    }
    int code = -1;
    const bool number =
        AllDigits(word) && word.size() <= 9 &&
        std::from_chars(word.data(), word.data() + word.size(), code).ec == std::errc();
    ResponseCode = number ? code : -1;
    ResponseVersion = line.size() >= 8 && line.compare(5, 3, "1.0") == 0 ? pv1_0 : pv1_1;
}

void TIdHTTPResponse::ProcessHeaders() {
    const TIdHeaderList& h = RawHeaders;
    Location = h.Value("Location");
    Server = h.Value("Server");
    ProxyConnection = h.Value("Proxy-Connection");
    Connection = h.Value("Connection");
    ContentVersion = h.Value("Content-Version");
    ContentEncoding = h.Value("Content-Encoding");
    ContentLanguage = h.Value("Content-Language");
    ContentType = h.Value("Content-Type");
    TransferEncoding = JoinedValues(h.AllValues("Transfer-Encoding"));
    WWWAuthenticate = h.AllValues("WWW-Authenticate");
    ProxyAuthenticate = h.AllValues("Proxy-Authenticate");
    Pragma = h.Value("Pragma");
    const auto length = ContentLengthOf(h.AllValues("Content-Length"));
    HasContentLength = length.has_value();
    ContentLength = length.value_or(-1);
    long long start = 0;
    long long end = 0;
    long long total = 0;
    if (std::sscanf(h.Value("Content-Range").c_str(), "%*s %lld-%lld/%lld", &start, &end, &total) ==
        3) {
        ContentRangeStart = start;
        ContentRangeEnd = end;
        ContentRangeInstanceLength = total;
    }
    Date = DateValue(h.Value("Date"));
    LastModified = DateValue(h.Value("Last-Modified"));
    const std::string expires = h.Value("Expires");
    // An all-digit Expires counts seconds from now.
    Expires = AllDigits(expires) && expires.size() < 10 ? std::time(nullptr) + std::stol(expires)
                                                        : DateValue(expires);
}

void TIdHTTPResponse::Clear() {
    TStream* const destination = ContentStream;
    *this = TIdHTTPResponse();
    ContentStream = destination;
}
