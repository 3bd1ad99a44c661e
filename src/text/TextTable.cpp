#include "text/TextTable.h"

#include <unordered_map>

#include "text/AnsiCodePage.h"

namespace {

std::unordered_map<int, std::string> BuildAnsiTable() {
    std::unordered_map<int, std::string> table;
    for (const TextTableEntry& entry : TextTableEntries()) {
        std::string text = Utf8ToAnsi(entry.utf8);
        text.resize(std::min(text.size(), kMaxTextLength));
        table.emplace(entry.id, std::move(text));
    }
    return table;
}

}  // namespace

std::string LoadStr(int id) {
    static const std::unordered_map<int, std::string> table = BuildAnsiTable();
    const auto found = table.find(id);
    return found == table.end() ? std::string() : found->second;
}
