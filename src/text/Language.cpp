#include "text/Language.h"

#include "text/TextTable.h"

std::string LanguageNameFromSystemName(std::string_view systemLanguageName) {
    return systemLanguageName.find("Deutsch") != std::string_view::npos ? "German" : "English";
}

int LanguageBaseFor(std::string_view languageName) {
    return languageName == "German" ? kGermanLanguageBase : kEnglishLanguageBase;
}
