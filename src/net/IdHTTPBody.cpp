// Reading the body of a response: by its length, by chunks, or up to the close.
#include <cctype>
#include <charconv>

#include "net/IdException.h"
#include "net/IdHTTP.h"

namespace {

// Chunked framing holds when "chunked" is the last transfer coding, in any letter case.
bool IsChunked(const std::string& transferEncoding) {
    const std::size_t comma = transferEncoding.rfind(',');
    return SameText(Trim(transferEncoding.substr(comma == std::string::npos ? 0 : comma + 1)),
                    "chunked");
}

}  // namespace

// The framing rules of HTTP/1.1: chunks win over a Content-Length, and a transfer coding that
// does not end in chunks leaves only the close to end the body.
void TIdCustomHTTP::ReadResult(TStream& destination) {
    const TIdHTTPResponse& response = protocol_.Response;
    try {
        if (IsChunked(response.TransferEncoding)) {
            ReadChunked(destination);
        } else if (response.TransferEncoding.empty() && response.ContentLength > 0) {
            ReadStream(destination, response.ContentLength);
        } else if (!response.TransferEncoding.empty() || !response.HasContentLength) {
            ReadStream(destination, -1, true);
        }
    } catch (const EIdConnClosedGracefully&) {
        // Not a graceful end at all: the body is incomplete.
        throw EIdHTTPInvalidResponse("Die Verbindung wurde vor dem Ende der Daten geschlossen.");
    }
}

void TIdCustomHTTP::ReadChunked(TStream& destination) {
    DoStatus(hsStatusText, "Chunk gestartet");
    for (std::int64_t size = ReadChunkSize(); size > 0; size = ReadChunkSize()) {
        ReadStream(destination, size);
        if (!ReadLn().empty()) {
            throw EIdHTTPInvalidResponse(
                "Die Chunk-Daten sind l\xE4"
                "nger als ihre Gr\xF6\xDF"
                "e.");
        }
    }
    SkipTrailer();
}

// The trailer fields after the last chunk, up to the empty line that ends the response; read
// so that the connection is in step for the next request. They carry nothing used here.
void TIdCustomHTTP::SkipTrailer() {
    std::size_t bytes = 0;
    for (std::string line = ReadLn(); !line.empty(); line = ReadLn()) {
        bytes += line.size() + 2;
        if (bytes > TIdHTTPProtocol::kMaxHeadBytes) {
            throw EIdHTTPInvalidResponse(
                FormatMessage("Der Trailer ist l\xE4"
                              "nger als %zu Bytes.",
                              TIdHTTPProtocol::kMaxHeadBytes));
        }
    }
}

std::int64_t TIdCustomHTTP::ReadChunkSize() {
    const std::string line = ReadLn();
    // Chunk extensions after ";" carry nothing this client uses.
    const std::string digits = line.substr(0, line.find_first_of(" ;\t"));
    std::int64_t size = -1;
    const char* end = digits.data() + digits.size();
    const bool hexadecimal = !digits.empty() &&
                             std::isxdigit(static_cast<unsigned char>(digits.front())) &&
                             std::from_chars(digits.data(), end, size, 16).ptr == end && size >= 0;
    if (!hexadecimal) {
        throw EIdHTTPInvalidResponse(
            FormatMessage("Ung\xFC"
                          "ltige Chunk-Gr\xF6\xDF"
                          "e: %.40s",
                          line.c_str()));
    }
    return size;
}
