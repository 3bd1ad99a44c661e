#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the core's ANSI texts become QStrings for the windows, and back.
QString ToQString(std::string_view ansi);
std::string FromQString(const QString& text);
