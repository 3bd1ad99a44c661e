#pragma once

#include <string>

// Date-times as the program counts them: days since 30 December 1899, with the time of day as
// the fraction (0.5 is noon).
using TDateTime = double;

// The last-write time of the file at `path`, in local time. Returns false and leaves
// `dateTime` as it was when the file does not exist.
bool LocalFileDate(const std::string& path, TDateTime& dateTime);

// The calendar day of a date-time, counted like the date-time itself.
int DayOf(TDateTime dateTime);
