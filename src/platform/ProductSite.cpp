#include "platform/ProductSite.h"

#include <cstdlib>

// The build names the file once for the program, its package and the database it ships.
const char* const kDatabaseFileName = LUMBRAFIX_DATABASE_NAME;

const std::string& ProductHost() {
    static const std::string host = [] {
        const char* chosen = std::getenv("LUMBRAFIX_UPDATE_HOST");
        return std::string(chosen != nullptr && chosen[0] != '\0' ? chosen : LUMBRAFIX_UPDATE_HOST);
    }();
    return host;
}

std::string WebsiteUrl(std::string_view languageName) {
    const char* languageCode = languageName == "German" ? "049" : "044";
    return "http://" + ProductHost() + "/index.php?changelanguage=" + languageCode;
}

std::string DatabaseDownloadUrl() {
    return "http://" + ProductHost() + "/" + kDatabaseFileName;
}
