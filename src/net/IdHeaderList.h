#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Header lines "Name: value" in their order. Names compare without regard to case; a lookup
// takes the first line of a name, with the continuation lines after it (those beginning with
// a blank or a tab) joined on by one space. Values that make a line longer than the fold
// length are folded at a blank into continuation lines.
class TIdHeaderList {
public:
    static constexpr std::size_t kFoldLength = 78;
    static constexpr std::size_t kRequestFoldLength = 1024;

    explicit TIdHeaderList(std::size_t foldLength = kFoldLength) : foldLength_(foldLength) {}

    // Adds a line as it is, for headers as received.
    void AddRaw(std::string line) { lines_.push_back(std::move(line)); }
    // Appends "name: value", folded.
    void Add(const std::string& name, const std::string& value);
    // Replaces the first line of the name (with its continuation lines) in place, or appends
    // one; an empty value removes the line.
    void SetValue(const std::string& name, const std::string& value);
    std::string Value(const std::string& name) const;
    // The values of every line of the name, in order.
    std::vector<std::string> AllValues(const std::string& name) const;

    void Clear() { lines_.clear(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line followed by CR LF.
    std::string Text() const;

private:
    std::size_t Find(const std::string& name, std::size_t from = 0) const;
    std::size_t ContinuationEnd(std::size_t line) const;
    std::string ValueAt(std::size_t line) const;
    std::vector<std::string> Folded(const std::string& name, const std::string& value) const;

    std::size_t foldLength_;
    std::vector<std::string> lines_;
};

// Text without leading and trailing blanks and tabs.
std::string Trim(const std::string& text);
bool SameText(const std::string& a, const std::string& b);
// True for a text of one or more decimal digits and nothing else.
bool AllDigits(const std::string& text);
