#include "MimeSources.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "TableText.h"

namespace {

using nlohmann::json;

void AddExtension(MimeSource& source, const std::string& extension, const std::string& type) {
    std::string dotted(1, '.');
    dotted += LowerAscii(extension);
    source.extensions.push_back({std::move(dotted), LowerAscii(type)});
}

void AddTypeObject(MimeSource& source, const json& entry) {
    if (entry.value("obsolete", false)) {
        return;
    }
    const std::string type = entry.at("content-type").get<std::string>();
    for (const json& extension : entry.value("extensions", json::array())) {
        AddExtension(source, extension.get<std::string>(), type);
    }
    const auto friendly = entry.find("friendly");
    if (friendly != entry.end() && friendly->contains("en")) {
        source.names[LowerAscii(type)] = friendly->at("en").get<std::string>();
    }
}

}  // namespace

MimeSource ReadMimeTypes(std::istream& in) {
    MimeSource source;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string type;
        std::string extension;
        words >> type;
        while (words >> extension) {
            AddExtension(source, extension, type);
        }
    }
    return source;
}

MimeSource ReadMimeTypesData(std::istream& in) {
    MimeSource source;
    try {
        for (const json& entry : json::parse(in)) {
            AddTypeObject(source, entry);
        }
    } catch (const json::exception& error) {
        throw ESourceError(FormatMessage("not a mime-types-data file: %s", error.what()));
    }
    return source;
}
