#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "net/IdCookies.h"
#include "net/IdHTTPProtocol.h"
#include "net/IdTCPClient.h"
#include "net/IdURI.h"
#include "platform/Streams.h"

// An HTTP/1.x client over plain TCP for fetching resources with GET. The connection stays
// open between requests while the server allows it. Progress comes as the work events of the
// connection (read mode, one begin/end pair per body or chunk); status texts as OnStatus.
class TIdCustomHTTP : public TIdTCPClient, private TIdHTTPClientSide {
public:
    TIdCustomHTTP();
    ~TIdCustomHTTP() override;

    TIdHTTPProtocolVersion ProtocolVersion = pv1_1;
    bool HandleRedirects = false;  // false: a redirect raises EIdHTTPProtocolException
    int RedirectMaximum = 15;
    bool AllowCookies = true;
    // Milliseconds for connecting and reading a response head together, however the server
    // spreads out its bytes; 0: no such limit. The body has only ReadTimeout.
    TIdTimeoutProperty HeadTimeout;

    // Asked on every redirect with the new location and method, which it may change; the
    // handled flag starts as "the redirect is followed" and may be changed either way.
    std::function<void(TIdCustomHTTP& sender, std::string& location, std::string& method,
                       bool& handled)>
        OnRedirect;

    // Fetches an absolute http URL and writes the body into the destination from its
    // current position. Raises EIdHTTPProtocolException for an error status or a redirect
    // that is not followed (the destination then holds nothing new), EIdHTTPInvalidResponse
    // for a broken response (a body that ends early among others; the destination may then
    // hold part of it), and the connection's errors as they come. After any failure but an
    // error status, the connection is closed.
    void Get(const std::string& url, TStream& destination);

    TIdHTTPRequest& Request() { return protocol_.Request; }
    TIdHTTPResponse& Response() { return protocol_.Response; }
    int ResponseCode() const { return protocol_.Response.ResponseCode; }
    const std::string& ResponseText() const { return protocol_.Response.ResponseText; }
    // The cookie store, created by the first response when cookies are allowed.
    TIdCookieManager* CookieManager() { return cookieManager_.get(); }
    TIdCookieManager& CreateCookieManager();
    // The parts of the URL of the current request.
    const TIdURI& URL() const { return url_; }
    int RedirectCount() const { return redirectCount_; }

    // Reads the body of the current response by its length, its chunks or up to the close.
    void ReadResult(TStream& destination) override;
    // Takes a URL for the next request: merges it into URL(), sets the request's target and
    // Host header; raises EIdUnknownProtocol for a protocol without a known port.
    void PrepareRequest(const std::string& url);

private:
    TIdTCPConnection& Connection() override { return *this; }
    void KeepCookies(const TIdHeaderList& headers) override;
    TIdRedirectAnswer AskRedirect(std::string& location, std::string& method) override;
    std::string CookieHeader();
    void ConnectToHost();
    bool InputOutOfStep();
    void EvaluateKeepAlive();
    TIdHTTPWhatsNext DoRequest(const std::string& url);
    void ReadChunked(TStream& destination);
    void SkipTrailer();
    std::int64_t ReadChunkSize();

    TIdHTTPProtocol protocol_{*this};
    TIdURI url_;
    std::unique_ptr<TIdCookieManager> cookieManager_;
    int redirectCount_ = 0;
};

// The published client, as windows and tools own it.
class TIdHTTP : public TIdCustomHTTP {};
