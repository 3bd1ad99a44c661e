#include "platform/ProductSite.h"

#include <cstdlib>

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
    return "http://" + ProductHost() + "/marbelin_ext.txt";
}
