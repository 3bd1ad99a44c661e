#include "platform/ProductSite.h"

const std::string& ProductHost() {
    static const std::string host = LUMBRAFIX_UPDATE_HOST;
    return host;
}

std::string WebsiteUrl(std::string_view languageName) {
    const char* languageCode = languageName == "German" ? "049" : "044";
    return "http://" + ProductHost() + "/index.php?changelanguage=" + languageCode;
}

std::string DatabaseDownloadUrl() {
    return "http://" + ProductHost() + "/marbelin_ext.txt";
}
