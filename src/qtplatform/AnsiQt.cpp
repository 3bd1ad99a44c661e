#include "qtplatform/AnsiQt.h"

#include <QList>

#include "text/AnsiCodePage.h"

QString ToQString(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (const char c : ansi) {
        text += QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<unsigned char>(c))));
    }
    return text;
}

std::string FromQString(const QString& text) {
    std::string ansi;
    ansi.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4()) {
        ansi += static_cast<char>(UnicodeToAnsi(codePoint));
    }
    return ansi;
}
