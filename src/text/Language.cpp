#include "text/Language.h"

#include "text/TextTable.h"
#include "text/TrimControls.h"

std::string LanguageNameFromSystemName(std::string_view systemLanguageName) {
    return systemLanguageName.find("Deutsch") != std::string_view::npos ? "German" : "English";
}

int LanguageBaseFor(std::string_view languageName) {
    return languageName == "German" ? kGermanLanguageBase : kEnglishLanguageBase;
}

std::string ChooseLanguageName(std::string_view systemLanguageName,
                               const std::optional<std::string>& stored) {
    if (stored && !TrimControls(*stored).empty()) {
        return *stored;
    }
    return LanguageNameFromSystemName(systemLanguageName);
}
