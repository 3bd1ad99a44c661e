#include "net/IdHeaderList.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string Trim(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameText(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::size_t TIdHeaderList::Find(const std::string& name, std::size_t from) const {
    for (std::size_t i = from; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && SameText(line.substr(0, colon), name)) {
            return i;
        }
    }
    return lines_.size();
}

std::size_t TIdHeaderList::ContinuationEnd(std::size_t line) const {
    std::size_t end = line + 1;
    while (end < lines_.size() && !lines_[end].empty() && IsBlank(lines_[end].front())) {
        ++end;
    }
    return end;
}

std::string TIdHeaderList::ValueAt(std::size_t line) const {
    std::string value = Trim(lines_[line].substr(lines_[line].find(':') + 1));
    for (std::size_t i = line + 1; i < ContinuationEnd(line); ++i) {
        value = Trim(value) + ' ' + Trim(lines_[i]);
    }
    return Trim(value);
}

std::string TIdHeaderList::Value(const std::string& name) const {
    const std::size_t line = Find(name);
    return line < lines_.size() ? ValueAt(line) : std::string();
}

std::vector<std::string> TIdHeaderList::AllValues(const std::string& name) const {
    std::vector<std::string> values;
    for (std::size_t i = Find(name); i < lines_.size(); i = Find(name, i + 1)) {
        values.push_back(ValueAt(i));
    }
    return values;
}

std::vector<std::string> TIdHeaderList::Folded(const std::string& name,
                                               const std::string& value) const {
    std::vector<std::string> lines;
    std::string rest = name + ": " + value;
    const std::size_t valueStart = name.size() + 2;
    while (rest.size() > foldLength_) {
        // Fold at the last blank that fits, but never inside the name.
        const std::size_t blank = rest.rfind(' ', foldLength_);
        const std::size_t minimum = lines.empty() ? valueStart : 1;
        if (blank == std::string::npos || blank < minimum) {
            break;
        }
        lines.push_back(rest.substr(0, blank));
        rest = ' ' + Trim(rest.substr(blank + 1));
    }
    lines.push_back(rest);
    return lines;
}

void TIdHeaderList::Add(const std::string& name, const std::string& value) {
    for (std::string& line : Folded(name, value)) {
        lines_.push_back(std::move(line));
    }
}

void TIdHeaderList::SetValue(const std::string& name, const std::string& value) {
    const std::size_t line = Find(name);
    if (line == lines_.size()) {
        if (!value.empty()) {
            Add(name, value);
        }
        return;
    }
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(line);
    const auto position =
        lines_.erase(first, lines_.begin() + static_cast<std::ptrdiff_t>(ContinuationEnd(line)));
    if (!value.empty()) {
        const std::vector<std::string> folded = Folded(name, value);
        lines_.insert(position, folded.begin(), folded.end());
    }
}

std::string TIdHeaderList::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}
