// Reading the body of a response: by its length, by chunks, or up to the close.
#include <cctype>
#include <charconv>

#include "net/IdException.h"
#include "net/IdHTTP.h"

void TIdCustomHTTP::ReadResult(TStream& destination) {
    const TIdHTTPResponse& response = protocol_.Response;
    try {
        if (response.ContentLength > 0) {
            ReadStream(destination, response.ContentLength);
        } else if (response.TransferEncoding.find("chunked") != std::string::npos) {
            ReadChunked(destination);
        } else if (!response.HasContentLength) {
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
        ReadLn();  // the line break after the chunk's bytes
    }
    ReadLn();
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
