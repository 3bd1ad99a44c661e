#include "DatabaseBuilder.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <utility>

#include "TableText.h"

namespace {

// The program of a rule that keeps its types out of the database.
const std::string kLeftOut = "-";

bool RuleMatches(const std::string& pattern, const std::string& type) {
    if (pattern == type) {
        return true;
    }
    if (pattern[0] == '+') {
        return type.size() > pattern.size() &&
               type.compare(type.size() - pattern.size(), pattern.size(), pattern) == 0;
    }
    const char last = pattern.back();
    const bool isPrefix = last == '/' || last == '.' || last == '-' || last == '+';
    return isPrefix && type.size() > pattern.size() &&
           type.compare(0, pattern.size(), pattern) == 0;
}

// The longest matching rule that fills `field`, or nullptr.
const TypeRule* BestRule(const std::vector<TypeRule>& rules, const std::string& type,
                         std::string TypeRule::*field) {
    const TypeRule* best = nullptr;
    for (const TypeRule& rule : rules) {
        if (!(rule.*field).empty() && RuleMatches(rule.pattern, type) &&
            (best == nullptr || rule.pattern.size() > best->pattern.size())) {
            best = &rule;
        }
    }
    return best;
}

std::string RegistryName(const std::vector<MimeSource>& registries, const std::string& type) {
    for (const MimeSource& registry : registries) {
        const auto name = registry.names.find(type);
        if (name != registry.names.end()) {
            return name->second;
        }
    }
    return "";
}

std::string Description(const DatabaseSources& sources, const std::string& type) {
    for (const TypeRule& rule : sources.curated.typeRules) {
        if (rule.pattern == type && !rule.description.empty()) {
            return rule.description;
        }
    }
    const std::string name = RegistryName(sources.registries, type);
    return name.empty() ? DescriptionFromTypeName(type) : name;
}

// One word of a type name as a reader writes it: short ones are abbreviations ("CR2"), the
// markup languages keep their "ML" ("CellML"), others begin with a capital.
std::string WordOfTypeName(std::string word) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    if (word.size() <= 4) {
        std::transform(word.begin(), word.end(), word.begin(), upper);
        return word;
    }
    if (word.ends_with("ml")) {
        word.replace(word.size() - 2, std::string::npos, "ML");
    }
    word[0] = upper(word[0]);
    return word;
}

// Collects lines, keeping the first of each extension and file type. `order` ranks the lines
// of one extension: empty for our table's lines, which keep their order (the most common
// meaning first), the file type for a registry's.
class LineSet {
public:
    void Add(const std::string& extension, const std::string& line, const std::string& type,
             const std::string& order) {
        if (seen_.insert({extension, LowerAscii(type)}).second) {
            lines_.push_back({extension, order, line});
        }
    }

    std::vector<std::string> Sorted() {
        std::stable_sort(lines_.begin(), lines_.end(), [](const Entry& a, const Entry& b) {
            return std::tie(a.extension, a.order) < std::tie(b.extension, b.order);
        });
        std::vector<std::string> lines;
        for (Entry& entry : lines_) {
            lines.push_back(std::move(entry.line));
        }
        return lines;
    }

private:
    struct Entry {
        std::string extension;
        std::string order;
        std::string line;
    };
    std::set<std::pair<std::string, std::string>> seen_;
    std::vector<Entry> lines_;
};

}  // namespace

std::string DescriptionFromTypeName(const std::string& type) {
    static const std::map<std::string, std::string> kKinds = {{"image/", "image"},
                                                              {"audio/", "audio"},
                                                              {"video/", "video"},
                                                              {"font/", "font"},
                                                              {"model/", "3D model"},
                                                              {"chemical/", "chemical data"},
                                                              {"application/+xml", "XML data"},
                                                              {"application/+json", "JSON data"},
                                                              {"application/+cbor", "CBOR data"},
                                                              {"application/+zip", "ZIP package"}};
    const std::size_t slash = type.find('/');
    if (slash == std::string::npos) {
        return "";
    }
    std::string name = type.substr(slash + 1);
    const std::size_t plus = name.rfind('+');
    const bool family = kKinds.count(type.substr(0, slash + 1)) != 0;
    const auto kind =
        kKinds.find(type.substr(0, slash + 1) +
                    (family || plus == std::string::npos ? std::string() : name.substr(plus)));
    if (kind == kKinds.end()) {
        return "";
    }
    if (!family) {
        name.erase(plus);
    }
    for (const char* prefix : {"x-", "vnd.", "prs."}) {
        if (name.rfind(prefix, 0) == 0) {
            name.erase(0, std::string(prefix).size());
        }
    }
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return c == '-' || c == '.' || c == '+' || c == '_'; }, ' ');
    std::istringstream words(name);
    std::string description;
    for (std::string word; words >> word;) {
        description += WordOfTypeName(word) + ' ';
    }
    return description.empty() ? "" : description + kind->second;
}

std::vector<std::string> BuildDatabaseLines(const DatabaseSources& sources) {
    LineSet lines;
    std::set<std::string> curatedExtensions;
    for (const std::string& line : sources.curated.extensionLines) {
        const std::vector<std::string> fields = SplitFields(line);
        curatedExtensions.insert(fields[0]);
        lines.Add(fields[0], line, fields[1], "");
    }
    for (const MimeSource& registry : sources.registries) {
        for (const MimeExtension& pair : registry.extensions) {
            if (curatedExtensions.count(pair.extension) != 0 ||
                !IsDatabaseExtension(pair.extension)) {
                continue;
            }
            const TypeRule* program =
                BestRule(sources.curated.typeRules, pair.type, &TypeRule::program);
            const TypeRule* platform =
                BestRule(sources.curated.typeRules, pair.type, &TypeRule::platform);
            const std::string description = FieldText(Description(sources, pair.type));
            if (program == nullptr || program->program == kLeftOut || platform == nullptr ||
                description.empty()) {
                continue;
            }
            lines.Add(pair.extension,
                      pair.extension + ';' + description + ';' + program->program + ';' +
                          platform->platform,
                      description, LowerAscii(description));
        }
    }
    return lines.Sorted();
}
