#include "LookupFileOutput.h"

#include "LookupOutput.h"

using nlohmann::json;

namespace {

json ApplicationsJson(const std::vector<TDesktopApplication>& applications) {
    json list = json::array();
    for (const TDesktopApplication& application : applications) {
        list.push_back({{"id", application.id},
                        {"name", application.name},
                        {"default", application.isDefault}});
    }
    return list;
}

json FileJson(const TFileFacts& facts) {
    return {{"file", facts.file},
            {"extension", facts.extension},
            {"records", RecordsJson(facts.records)},
            {"name_type", facts.nameType},
            {"content_type", facts.content.type},
            {"content_description", facts.content.description},
            {"mismatch", facts.mismatch},
            {"applications", ApplicationsJson(facts.applications)}};
}

void PrintFileBlock(const TFileFacts& facts, std::FILE* out) {
    std::fprintf(out, "%s\n", facts.file.c_str());
    std::fprintf(out, "  name:     %s\n", facts.nameType.c_str());
    std::fprintf(out, "  content:  %s (%s)\n", facts.content.type.c_str(),
                 facts.content.description.c_str());
    if (facts.mismatch) {
        std::fprintf(out, "  WARNING:  the name says %s, the content is %s\n",
                     facts.nameType.c_str(), facts.content.type.c_str());
    }
    for (const std::string_view line : facts.records) {
        std::fprintf(out, "  database: %s\n", TabbedLine(line).c_str());
    }
    for (const TDesktopApplication& application : facts.applications) {
        std::fprintf(out, "  opens it: %s\t%s%s\n", application.name.c_str(),
                     application.id.c_str(), application.isDefault ? "\t(default)" : "");
    }
}

}  // namespace

void PrintFiles(const std::vector<TFileFacts>& files, bool asJson, std::FILE* out) {
    if (asJson) {
        json list = json::array();
        for (const TFileFacts& facts : files) {
            list.push_back(FileJson(facts));
        }
        PrintJson(list, out);
        return;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) {
            std::fputc('\n', out);
        }
        PrintFileBlock(files[i], out);
    }
}
