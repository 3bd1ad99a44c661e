#include "LookupOutput.h"

#include "db/ExtensionRecord.h"
#include "text/AnsiCodePage.h"

using nlohmann::json;

namespace {

constexpr const char* kRecordKeys[] = {"extension", "type", "program", "platform"};

std::string Field(std::string_view line, int n) {
    return AnsiToUtf8(FieldOf(line, n));
}

// The four fields as FieldOf gives them, each found from where the one before it ended.
void AppendTabbedLine(std::string& out, std::string_view line) {
    std::string_view rest = line;
    for (int n = 1; n <= 4; ++n) {
        if (n > 1) {
            out += '\t';
        }
        const std::string_view field = FieldOf(rest, 1);
        AppendAnsiAsUtf8(out, field);
        if (field.size() < rest.size()) {
            rest.remove_prefix(field.size() + 1);  // behind its ";"; else the last field repeats
        }
    }
}

}  // namespace

std::string TabbedLine(std::string_view line) {
    std::string tabbed;
    AppendTabbedLine(tabbed, line);
    return tabbed;
}

json RecordsJson(const THitList& lines) {
    json records = json::array();
    for (const std::string_view line : lines) {
        json record;
        for (int n = 1; n <= 4; ++n) {
            record[kRecordKeys[n - 1]] = Field(line, n);
        }
        records.push_back(std::move(record));
    }
    return records;
}

// File names need not be UTF-8; a byte that isn't becomes U+FFFD rather than an abort.
void PrintJson(const json& value, std::FILE* out) {
    std::fprintf(out, "%s\n", value.dump(2, ' ', false, json::error_handler_t::replace).c_str());
}

void PrintHits(const THitList& hits, bool asJson, std::FILE* out) {
    if (asJson) {
        PrintJson(RecordsJson(hits), out);
        return;
    }
    // Written in pieces of some kilobytes: a write call, or a formatting call, for each line
    // would cost more than the whole search.
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    for (const std::string_view line : hits) {
        AppendTabbedLine(piece, line);
        piece += '\n';
        if (piece.size() >= kPiece) {
            std::fwrite(piece.data(), 1, piece.size(), out);
            piece.clear();
        }
    }
    std::fwrite(piece.data(), 1, piece.size(), out);
}
