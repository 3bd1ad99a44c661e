#pragma once

#include <ctime>
#include <optional>
#include <string>

// Dates in the forms HTTP uses: "Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94 08:49:37
// GMT" and "Sun Nov  6 08:49:37 1994", all in GMT. Nothing when the text is none of them.
std::optional<std::time_t> GMTToTime(const std::string& text);
// The internet date form: "Sun, 06 Nov 1994 08:49:37 GMT".
std::string TimeToInternetDate(std::time_t time);
