#include "net/IdHTTPRequest.h"

#include "net/IdDateTime.h"

namespace {

std::string DateText(std::time_t time) {
    return time == 0 ? std::string() : TimeToInternetDate(time);
}

std::string RangeText(std::int64_t start, std::int64_t end) {
    if (start == 0 && end == 0) {
        return {};
    }
    std::string range = "bytes=" + std::to_string(start) + '-';
    if (end > 0) {
        range += std::to_string(end);
    }
    return range;
}

}  // namespace

void TIdHTTPRequest::SetHeaders(const std::string& cookie) {
    const std::pair<const char*, std::string> before[] = {
        {"Connection", Connection},
        {"Content-Version", ContentVersion},
        {"Content-Encoding", ContentEncoding},
        {"Content-Language", ContentLanguage},
        {"Content-Type", ContentType},
        {"Content-Length", ContentLength >= 0 ? std::to_string(ContentLength) : ""},
        {"Cache-control", CacheControl},
        {"Date", DateText(Date)},
        {"Expires", DateText(Expires)},
        {"Pragma", Pragma},
    };
    const std::pair<const char*, std::string> after[] = {
        {"Proxy-Connection", ProxyConnection},
        {"Host", Host},
        {"Accept", Accept},
        {"Accept-Charset", AcceptCharSet},
        {"Accept-Encoding", AcceptEncoding},
        {"Accept-Language", AcceptLanguage},
        {"From", From},
        {"Referer", Referer},
        {"User-Agent", UserAgent},
        {"If-Modified-Since", DateText(LastModified)},
        {"Range", RangeText(ContentRangeStart, ContentRangeEnd)},
        {"Cookie", cookie},
    };
    RawHeaders.Clear();
    for (const auto& [name, value] : before) {
        if (!value.empty()) {
            RawHeaders.Add(name, value);
        }
    }
    for (const std::string& line : CustomHeaders.Lines()) {
        RawHeaders.AddRaw(line);
    }
    for (const auto& [name, value] : after) {
        if (!value.empty()) {
            RawHeaders.Add(name, value);
        }
    }
}

std::string TIdHTTPRequest::Text(TIdHTTPProtocolVersion version) const {
    return Method + ' ' + URL + (version == pv1_0 ? " HTTP/1.0\r\n" : " HTTP/1.1\r\n") +
           RawHeaders.Text() + "\r\n";
}
