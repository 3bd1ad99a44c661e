#pragma once

#include <string>

// The program's language as a window sees it: the base its texts are fetched from, the name
// the website links carry, and the user's choice of another. The main window holds it; a
// window opened from there is given it, so it needs nothing else of the main window.
class TWindowLanguage {
public:
    virtual ~TWindowLanguage() = default;

    // 1000 for German, 5000 for English; a text's number is the base plus its offset.
    virtual int GetLanguageBase() const = 0;
    // "German" or "English".
    virtual std::string GetLanguageName() const = 0;
    // Stores the choice and switches the base to it; without the right to store it nothing
    // changes.
    virtual void StoreLanguage(const std::string& languageName) = 0;
};
