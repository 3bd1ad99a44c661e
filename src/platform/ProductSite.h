#pragma once

#include <string>
#include <string_view>

// The product web server. Its host (with an optional ":port") is chosen when the program is
// built, so that someone running their own update server can point the program at it; the
// environment variable LUMBRAFIX_UPDATE_HOST chooses another one for a run.
const std::string& ProductHost();

// The website link in a language: "changelanguage=049" for exactly "German", "=044" for any
// other name.
std::string WebsiteUrl(std::string_view languageName);

// The database's file name: the same in every folder that may hold it and on the product
// server.
extern const char* const kDatabaseFileName;

// Where the update dialog fetches the current database file.
std::string DatabaseDownloadUrl();
