#include "FetchFailure.h"

#include "db/DatabaseUpdate.h"
#include "net/IdException.h"
#include "platform/BoundedStream.h"
#include "text/AnsiCodePage.h"

namespace {

constexpr int kConnectionRefused = 10061;
constexpr int kConnectionReset = 10054;
constexpr int kHostNotFound = 11001;

std::string SocketFailure(const EIdSocketError& error) {
    switch (error.LastError()) {
        case kConnectionRefused:
            return "the server refused the connection";
        case kConnectionReset:
            return "the server reset the connection";
        case kHostNotFound:
            return "the host name is not known";
        default:
            return FormatMessage("network error %d", error.LastError());
    }
}

std::string TimeoutFailure(const FetchContext& context) {
    return context.bodyStarted
               ? FormatMessage("the server sent nothing for %d seconds", context.timeoutSeconds)
               : FormatMessage("no response head within %d seconds of connecting",
                               context.timeoutSeconds);
}

}  // namespace

std::string DescribeFetchFailure(const std::exception& error, const FetchContext& context) {
    const auto* ansi = dynamic_cast<const Exception*>(&error);
    const std::string message = ansi ? AnsiToUtf8(ansi->Message()) : error.what();
    if (const auto* status = dynamic_cast<const EIdHTTPProtocolException*>(&error)) {
        return "the server answered " + AnsiToUtf8(status->Message());
    }
    if (const auto* socket = dynamic_cast<const EIdSocketError*>(&error)) {
        return SocketFailure(*socket);
    }
    if (dynamic_cast<const EIdConnectTimeout*>(&error)) {
        return FormatMessage("no connection within %d seconds", context.timeoutSeconds);
    }
    if (dynamic_cast<const EIdConnectException*>(&error)) {
        return "cannot connect: " + message;
    }
    if (dynamic_cast<const EIdReadTimeout*>(&error)) {
        return TimeoutFailure(context);
    }
    if (dynamic_cast<const EIdConnClosedGracefully*>(&error)) {
        return "the server closed the connection before the response was complete";
    }
    if (dynamic_cast<const EIdHTTPInvalidResponse*>(&error)) {
        return "the response is no valid HTTP: " + message;
    }
    if (dynamic_cast<const EStreamTooLarge*>(&error)) {
        return "the body is " + message;
    }
    if (const auto* database = dynamic_cast<const EDatabaseUpdateError*>(&error)) {
        return "the body is no Lumbrafix database: " + database->Reason();
    }
    return message;
}
