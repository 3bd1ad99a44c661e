#pragma once

#include <cstddef>
#include <string>

#include "net/IdHTTPRequest.h"
#include "net/IdHTTPResponse.h"

class TIdCustomHTTP;

enum TIdHTTPWhatsNext { wnGoToURL, wnJustExit, wnDontKnowWhatToDo };

// One exchange of an HTTP client: writes the request, reads the response head and decides
// what follows from the status.
class TIdHTTPProtocol {
public:
    // A response head, all lines together, may not exceed this; nor may the heads of the
    // interim "100" responses before it, taken together.
    static constexpr std::size_t kMaxHeadBytes = 1 << 20;
    // Of a body that comes with an error status, this much is kept for the error's text.
    static constexpr std::size_t kMaxErrorBodyBytes = 4 << 20;

    explicit TIdHTTPProtocol(TIdCustomHTTP& http) : http_(http) {}

    TIdHTTPRequest Request;
    TIdHTTPResponse Response;

    // Makes the raw headers and sends the request in one send.
    void BuildAndSendRequest();
    // Reads the status line and the header block, skipping interim "100" responses, and
    // hands the cookies to the client's store.
    void RetrieveHeaders();
    // Reads the body or raises for the status. For wnGoToURL, Response.Location is the
    // next URL.
    TIdHTTPWhatsNext ProcessResponse();

private:
    void ReadHead(std::size_t& headBytes);
    std::string ReadHeadLine(std::size_t& headBytes);
    void ProcessCookies();
    TIdHTTPWhatsNext ProcessRedirect();
    void DiscardBody();
    [[noreturn]] void RaiseProtocolError();

    TIdCustomHTTP& http_;
};
