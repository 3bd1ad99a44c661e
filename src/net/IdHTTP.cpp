#include "net/IdHTTP.h"

#include <charconv>
#include <chrono>
#include <optional>

#include "net/IdException.h"

namespace {

constexpr int kDefaultPort = 80;

bool IsDefaultPort(int port) {
    return port == 0 || port == 80 || port == 443;
}

int PortNumber(const std::string& text) {
    int port = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || port < 0 ||
        port > 65535) {
        throw EIdInvalidPort(text);
    }
    return port;
}

// Connecting and reading the head of one exchange share one deadline, which ends with them.
class HeadDeadline {
public:
    HeadDeadline(TIdTCPConnection& connection, TIdTimeout timeout) : connection_(connection) {
        if (const auto limit = timeout.Limit()) {
            connection.SetDeadline(TIdClock::now() + *limit);
        }
    }
    ~HeadDeadline() { connection_.SetDeadline(std::nullopt); }
    HeadDeadline(const HeadDeadline&) = delete;
    HeadDeadline& operator=(const HeadDeadline&) = delete;

private:
    TIdTCPConnection& connection_;
};

}  // namespace

TIdCustomHTTP::TIdCustomHTTP() {
    Port = kDefaultPort;
}

TIdCustomHTTP::~TIdCustomHTTP() = default;

TIdCookieManager& TIdCustomHTTP::CreateCookieManager() {
    cookieManager_ = std::make_unique<TIdCookieManager>();
    return *cookieManager_;
}

void TIdCustomHTTP::Get(const std::string& url, TStream& destination) {
    const std::int64_t start = destination.Position();
    TIdHTTPRequest& request = protocol_.Request;
    request.Method = "GET";
    protocol_.Response.ContentStream = &destination;
    std::string next = url;
    try {
        for (;;) {
            const TIdHTTPWhatsNext outcome = DoRequest(next);
            if (outcome == wnJustExit) {
                break;
            }
            if (outcome == wnDontKnowWhatToDo) {
                throw EIdException("Undefined situation");
            }
            destination.SetSize(start);
            destination.SetPosition(start);
            next = protocol_.Response.Location;
        }
    } catch (const EIdHTTPProtocolException&) {
        // The error body has been read to its end: the connection is still in step.
        EvaluateKeepAlive();
        throw;
    } catch (...) {
        // Whatever is left of this response must not be read as the next one.
        Disconnect();
        throw;
    }
    EvaluateKeepAlive();
    redirectCount_ = 0;
}

TIdHTTPWhatsNext TIdCustomHTTP::DoRequest(const std::string& url) {
    ++redirectCount_;
    PrepareRequest(url);
    {
        const HeadDeadline deadline(*this, HeadTimeout.Value());
        ConnectToHost();
        protocol_.BuildAndSendRequest(ProtocolVersion, CookieHeader());
        protocol_.RetrieveHeaders();
    }
    const TIdHTTPWhatsNext outcome = protocol_.ProcessResponse();
    if (outcome == wnGoToURL) {
        EvaluateKeepAlive();
    }
    return outcome;
}

std::string TIdCustomHTTP::CookieHeader() {
    return cookieManager_ ? cookieManager_->CookieHeader(url_.Host, url_.Path) : std::string();
}

void TIdCustomHTTP::KeepCookies(const TIdHeaderList& headers) {
    if (!cookieManager_ && !AllowCookies) {
        return;
    }
    TIdCookieManager& cookies = cookieManager_ ? *cookieManager_ : CreateCookieManager();
    for (const char* header : {"Set-cookie", "Set-cookie2"}) {
        for (const std::string& value : headers.AllValues(header)) {
            cookies.AddCookie(value, url_.Host);
        }
    }
}

TIdRedirectAnswer TIdCustomHTTP::AskRedirect(std::string& location, std::string& method) {
    const bool follow = HandleRedirects && redirectCount_ < RedirectMaximum;
    bool handled = follow;
    if (OnRedirect) {
        OnRedirect(*this, location, method, handled);
    }
    return {follow, handled};
}

void TIdCustomHTTP::PrepareRequest(const std::string& url) {
    const TIdURI parts(url);
    TIdHTTPRequest& request = protocol_.Request;
    if (!parts.Username.empty()) {
        request.Username = parts.Username;
        request.Password = parts.Password;
    }
    url_.Path = TIdURI::MergePaths(url_.Path, parts.Path);
    url_.Document = parts.Document;
    url_.Params = parts.Params;
    if (!parts.Host.empty()) {
        url_.Host = parts.Host;
    }
    url_.Protocol = parts.Protocol.empty() ? "http" : parts.Protocol;
    if (!parts.Port.empty()) {
        url_.Port = parts.Port;
    } else if (!IsDefaultPort(Port)) {
        url_.Port = std::to_string(Port);
    } else if (SameText(url_.Protocol, "http")) {
        url_.Port = "80";
    } else if (SameText(url_.Protocol, "https")) {
        url_.Port = "443";
    } else {
        throw EIdUnknownProtocol();
    }
    request.URL = url_.Path + url_.Document + url_.Params;
    request.ContentLength = -1;
    request.Host = url_.Port == "80" ? url_.Host : url_.Host + ':' + url_.Port;
}

void TIdCustomHTTP::ConnectToHost() {
    if (SameText(url_.Protocol, "https")) {
        throw EIdIOHandlerPropInvalid();
    }
    const int port = PortNumber(url_.Port);
    if (!SameText(url_.Host, Host) || port != Port) {
        Disconnect();
        Host = url_.Host;
        Port = port;
    }
    if (Connected() && InputOutOfStep()) {
        Disconnect();
    }
    if (!Connected()) {
        Connect(ReadTimeout.Value());
    }
}

// Bytes waiting before a request has been sent, or a close the server sent while the
// connection was idle: either way the connection can't carry the next exchange.
bool TIdCustomHTTP::InputOutOfStep() {
    return InputBuffer().Size() > 0 ||
           IOHandler()->Readable(TIdTimeout::Within(std::chrono::milliseconds::zero()));
}

void TIdCustomHTTP::EvaluateKeepAlive() {
    TIdHTTPResponse& response = protocol_.Response;
    const std::string connection = Trim(response.Connection);
    const std::string proxyConnection = Trim(response.ProxyConnection);
    bool keepAlive = Connected();
    if (keepAlive && ProtocolVersion == pv1_1) {
        keepAlive = !SameText(connection, "close") && !SameText(proxyConnection, "close");
    } else if (keepAlive) {
        keepAlive = SameText(connection, "keep-alive") || SameText(proxyConnection, "keep-alive");
    }
    response.KeepAlive = keepAlive;
    if (!keepAlive) {
        Disconnect();
    }
}
