#pragma once

#include <cstddef>
#include <string>

#include "net/IdHTTPRequest.h"
#include "net/IdHTTPResponse.h"
#include "platform/Streams.h"

class TIdTCPConnection;

enum TIdHTTPWhatsNext { wnGoToURL, wnJustExit, wnDontKnowWhatToDo };

// A client's answer to a redirect: whether it goes on to the new location, and whether the
// redirect is handled at all (one that isn't ends in an error).
struct TIdRedirectAnswer {
    bool follow;
    bool handled;
};

// What an exchange needs of the client that runs it.
class TIdHTTPClientSide {
public:
    // The connection the request goes out on and the response comes in on.
    virtual TIdTCPConnection& Connection() = 0;
    // Hands the cookies a response head sets to the client's store.
    virtual void KeepCookies(const TIdHeaderList& headers) = 0;
    // Reads the body of the current response, framed as its head says.
    virtual void ReadResult(TStream& destination) = 0;
    // Asks about a redirect to location by method; the client may change either.
    virtual TIdRedirectAnswer AskRedirect(std::string& location, std::string& method) = 0;

protected:
    ~TIdHTTPClientSide() = default;
};

// One exchange of an HTTP client: writes the request, reads the response head and decides
// what follows from the status.
class TIdHTTPProtocol {
public:
    // A response head, all lines together, may not exceed this; nor may the heads of the
    // interim "100" responses before it, taken together.
    static constexpr std::size_t kMaxHeadBytes = 1 << 20;
    // Of a body that comes with an error status, this much is kept for the error's text.
    static constexpr std::size_t kMaxErrorBodyBytes = 4 << 20;

    explicit TIdHTTPProtocol(TIdHTTPClientSide& client) : client_(client) {}

    TIdHTTPRequest Request;
    TIdHTTPResponse Response;

    // Makes the raw headers, with the Cookie header when one is given, and sends the request
    // in one send.
    void BuildAndSendRequest(TIdHTTPProtocolVersion version, const std::string& cookieHeader);
    // Reads the status line and the header block, skipping interim "100" responses, and
    // hands the cookies of each head to the client.
    void RetrieveHeaders();
    // Reads the body or raises for the status. For wnGoToURL, Response.Location is the
    // next URL.
    TIdHTTPWhatsNext ProcessResponse();

private:
    void ReadHead(std::size_t& headBytes);
    std::string ReadHeadLine(std::size_t& headBytes);
    TIdHTTPWhatsNext ProcessRedirect();
    void DiscardBody();
    [[noreturn]] void RaiseProtocolError();

    TIdHTTPClientSide& client_;
};
