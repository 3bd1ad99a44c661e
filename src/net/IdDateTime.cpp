#include "net/IdDateTime.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

#include "net/IdHeaderList.h"

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (c == ' ' || c == ',' || c == '-' || c == '\t') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

int MonthIndex(const std::string& word) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (word.size() >= 3 && SameText(word.substr(0, 3), kMonths[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Fills the fields a word stands for: a time of day, a month name, or a day or year number.
void TakeWord(const std::string& word, std::tm& date, bool& haveDay, bool& haveYear) {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (std::sscanf(word.c_str(), "%d:%d:%d", &hours, &minutes, &seconds) == 3) {
        date.tm_hour = hours;
        date.tm_min = minutes;
        date.tm_sec = seconds;
        return;
    }
    if (const int month = MonthIndex(word); month >= 0) {
        date.tm_mon = month;
        return;
    }
    if (!AllDigits(word) || word.size() > 4) {
        return;
    }
    const int number = std::stoi(word);
    if (!haveDay && word.size() <= 2 && number >= 1 && number <= 31) {
        date.tm_mday = number;
        haveDay = true;
    } else {
        // Two-digit years: 70 to 99 are the 1900s, the rest the 2000s.
        date.tm_year =
            (word.size() <= 2 ? (number < 70 ? 2000 + number : 1900 + number) : number) - 1900;
        haveYear = true;
    }
}

}  // namespace

std::optional<std::time_t> GMTToTime(const std::string& text) {
    std::tm date{};
    date.tm_mon = -1;
    bool haveDay = false;
    bool haveYear = false;
    // Day names and the zone word take no field and are passed over.
    for (const std::string& word : Words(text)) {
        TakeWord(word, date, haveDay, haveYear);
    }
    if (!haveDay || !haveYear || date.tm_mon < 0) {
        return std::nullopt;
    }
    return ::timegm(&date);
}

std::string TimeToInternetDate(std::time_t time) {
    std::tm date{};
    ::gmtime_r(&time, &date);
    char text[40];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", kDays[date.tm_wday],
                  date.tm_mday, kMonths[date.tm_mon], date.tm_year + 1900, date.tm_hour,
                  date.tm_min, date.tm_sec);
    return text;
}
