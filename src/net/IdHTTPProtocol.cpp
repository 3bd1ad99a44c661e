#include "net/IdHTTPProtocol.h"

#include "net/IdCappedStream.h"
#include "net/IdException.h"
#include "net/IdTCPConnection.h"

namespace {

constexpr int kContinue = 100;
constexpr int kNoContent = 204;
constexpr int kNotModified = 304;
constexpr TIdTimeout kErrorBodyTimeout = TIdTimeout::Within(std::chrono::milliseconds(2000));
constexpr TIdTimeout kRedirectBodyTimeout = TIdTimeout::Within(std::chrono::milliseconds(4000));

// Sets a connection's read time-out for one read and restores it however the read ends.
class ScopedReadTimeout {
public:
    ScopedReadTimeout(TIdTCPConnection& connection, TIdTimeout timeout)
        : connection_(connection), saved_(connection.ReadTimeout.Value()) {
        connection.ReadTimeout = timeout;
    }
    ~ScopedReadTimeout() { connection_.ReadTimeout = saved_; }
    ScopedReadTimeout(const ScopedReadTimeout&) = delete;
    ScopedReadTimeout& operator=(const ScopedReadTimeout&) = delete;

private:
    TIdTCPConnection& connection_;
    TIdTimeout saved_;
};

bool IsRedirect(const TIdHTTPResponse& response) {
    const int code = response.ResponseCode;
    return (code / 100 == 3 && code != kNotModified) || !response.Location.empty();
}

}  // namespace

void TIdHTTPProtocol::BuildAndSendRequest(TIdHTTPProtocolVersion version,
                                          const std::string& cookieHeader) {
    if (version == pv1_1) {
        Request.Connection.clear();
    } else if (Request.Connection.empty()) {
        Request.Connection = "keep-alive";
    }
    Request.SetHeaders(cookieHeader);
    client_.Connection().Write(Request.Text(version));
}

std::string TIdHTTPProtocol::ReadHeadLine(std::size_t& headBytes) {
    std::string line = client_.Connection().ReadLn();
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
            client_.Connection().Disconnect();
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
        client_.KeepCookies(Response.RawHeaders);
    } while (Response.ResponseCode == kContinue);
}

TIdHTTPWhatsNext TIdHTTPProtocol::ProcessResponse() {
    const int code = Response.ResponseCode;
    if (IsRedirect(Response)) {
        return ProcessRedirect();
    }
    if (code / 100 != 2) {
        RaiseProtocolError();
    }
    if (!client_.Connection().Connected()) {
        return wnDontKnowWhatToDo;
    }
    if (code != kNoContent) {
        client_.ReadResult(*Response.ContentStream);
    }
    return wnJustExit;
}

TIdHTTPWhatsNext TIdHTTPProtocol::ProcessRedirect() {
    std::string location = Response.Location;
    std::string method = Request.Method;
    const TIdRedirectAnswer answer = client_.AskRedirect(location, method);
    if (!answer.handled) {
        RaiseProtocolError();
    }
    DiscardBody();
    Response.Location = location;
    Request.Method = method;
    return answer.follow ? wnGoToURL : wnJustExit;
}

void TIdHTTPProtocol::DiscardBody() {
    TIdTCPConnection& connection = client_.Connection();
    if (!connection.Connected()) {
        return;
    }
    try {
        const ScopedReadTimeout timeout(connection, kRedirectBodyTimeout);
        TIdCappedStream nowhere(0);
        client_.ReadResult(nowhere);
    } catch (const EIdException&) {
        // The body is of no use, but the connection is out of step now.
        connection.Disconnect();
    }
}

void TIdHTTPProtocol::RaiseProtocolError() {
    TIdCappedStream body(kMaxErrorBodyBytes);
    {
        const ScopedReadTimeout timeout(client_.Connection(), kErrorBodyTimeout);
        client_.ReadResult(body);
    }
    throw EIdHTTPProtocolException(Response.ResponseCode, Response.ResponseText, body.Text());
}
