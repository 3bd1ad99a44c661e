#include "LookupOutput.h"

#include "db/ExtensionRecord.h"
#include "text/AnsiCodePage.h"

using nlohmann::json;

namespace {

constexpr const char* kRecordKeys[] = {"extension", "type", "program", "platform"};

std::string Field(std::string_view line, int n) {
    return AnsiToUtf8(FieldOf(line, n));
}

}  // namespace

std::string TabbedLine(std::string_view line) {
    return Field(line, 1) + '\t' + Field(line, 2) + '\t' + Field(line, 3) + '\t' + Field(line, 4);
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
    for (const std::string_view line : hits) {
        std::fprintf(out, "%s\n", TabbedLine(line).c_str());
    }
}
