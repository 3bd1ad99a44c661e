#include "net/IdHTTPProtocol.h"

#include "net/IdCappedStream.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"

namespace {

constexpr int kContinue = 100;
constexpr int kNoContent = 204;
constexpr int kNotModified = 304;
constexpr int kErrorBodyTimeoutMs = 2000;
constexpr int kRedirectBodyTimeoutMs = 4000;

// Sets a connection's read time-out for one read and restores it however the read ends.
class ScopedReadTimeout {
public:
    ScopedReadTimeout(TIdTCPConnection& connection, int timeoutMs)
        : connection_(connection), saved_(connection.ReadTimeout) {
        connection.ReadTimeout = timeoutMs;
    }
    ~ScopedReadTimeout() { connection_.ReadTimeout = saved_; }
    ScopedReadTimeout(const ScopedReadTimeout&) = delete;
    ScopedReadTimeout& operator=(const ScopedReadTimeout&) = delete;

private:
    TIdTCPConnection& connection_;
    int saved_;
};

bool IsRedirect(const TIdHTTPResponse& response) {
    const int code = response.ResponseCode;
    return (code / 100 == 3 && code != kNotModified) || !response.Location.empty();
}

}  // namespace

void TIdHTTPProtocol::BuildAndSendRequest() {
    if (http_.ProtocolVersion == pv1_1) {
        Request.Connection.clear();
    } else if (Request.Connection.empty()) {
        Request.Connection = "keep-alive";
    }
    const TIdURI& url = http_.URL();
    Request.SetHeaders(http_.CookieManager()
                           ? http_.CookieManager()->CookieHeader(url.Host, url.Path)
                           : std::string());
    http_.Write(Request.Text(http_.ProtocolVersion));
}

std::string TIdHTTPProtocol::ReadHeadLine(std::size_t& headBytes) {
    std::string line = http_.ReadLn();
    headBytes += line.size() + 2;
    if (headBytes > kMaxHeadBytes) {
        throw EIdHTTPInvalidResponse(
            FormatMessage("Der Antwortkopf ist l\xE4"
                          "nger als %zu Bytes.",
                          kMaxHeadBytes));
    }
    return line;
}

void TIdHTTPProtocol::ReadHead(std::size_t& headBytes) {
    Response.Clear();
    Response.SetStatusLine(ReadHeadLine(headBytes));
    for (bool first = true;; first = false) {
        std::string line;
        try {
            line = ReadHeadLine(headBytes);
        } catch (const EIdConnClosedGracefully&) {
            // A peer that closes inside the header block leaves the lines it sent.
            if (first) {
                throw;
            }
            http_.Disconnect();
            break;
        }
        if (line.empty()) {
            break;
        }
        Response.RawHeaders.AddRaw(std::move(line));
    }
    Response.ProcessHeaders();
}

void TIdHTTPProtocol::RetrieveHeaders() {
    std::size_t headBytes = 0;
    do {
        ReadHead(headBytes);
        ProcessCookies();
    } while (Response.ResponseCode == kContinue);
}

void TIdHTTPProtocol::ProcessCookies() {
    TIdCookieManager* cookies = http_.CookieManager();
    if (!cookies) {
        if (!http_.AllowCookies) {
            return;
        }
        cookies = &http_.CreateCookieManager();
    }
    for (const char* header : {"Set-cookie", "Set-cookie2"}) {
        for (const std::string& value : Response.RawHeaders.AllValues(header)) {
            cookies->AddCookie(value, http_.URL().Host);
        }
    }
}

TIdHTTPWhatsNext TIdHTTPProtocol::ProcessResponse() {
    const int code = Response.ResponseCode;
    if (IsRedirect(Response)) {
        return ProcessRedirect();
    }
    if (code / 100 != 2) {
        RaiseProtocolError();
    }
    if (!http_.Connected()) {
        return wnDontKnowWhatToDo;
    }
    if (code != kNoContent) {
        http_.ReadResult(*Response.ContentStream);
    }
    return wnJustExit;
}

TIdHTTPWhatsNext TIdHTTPProtocol::ProcessRedirect() {
    const bool follow = http_.HandleRedirects && http_.RedirectCount() < http_.RedirectMaximum;
    bool handled = follow;
    std::string location = Response.Location;
    std::string method = Request.Method;
    if (http_.OnRedirect) {
        http_.OnRedirect(http_, location, method, handled);
    }
    if (!handled) {
        RaiseProtocolError();
    }
    DiscardBody();
    Response.Location = location;
    Request.Method = method;
    return follow ? wnGoToURL : wnJustExit;
}

void TIdHTTPProtocol::DiscardBody() {
    if (!http_.Connected()) {
        return;
    }
    try {
        const ScopedReadTimeout timeout(http_, kRedirectBodyTimeoutMs);
        TIdCappedStream nowhere(0);
        http_.ReadResult(nowhere);
    } catch (const EIdException&) {
        // The body is of no use, but the connection is out of step now.
        http_.Disconnect();
    }
}

void TIdHTTPProtocol::RaiseProtocolError() {
    TIdCappedStream body(kMaxErrorBodyBytes);
    {
        const ScopedReadTimeout timeout(http_, kErrorBodyTimeoutMs);
        http_.ReadResult(body);
    }
    throw EIdHTTPProtocolException(Response.ResponseCode, Response.ResponseText, body.Text());
}
