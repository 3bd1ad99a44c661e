#include "platform/Application.h"

#include <QFont>

#include "platform/Exceptions.h"
#include "platform/MessageBoxes.h"

namespace {

std::string& Title() {
    static std::string title;
    return title;
}

}  // namespace

const std::string& ApplicationTitle() { return Title(); }

void SetApplicationTitle(std::string title) { Title() = std::move(title); }

void SetHourglassCursor() {
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void RestoreDefaultCursor() {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return false;
}

void HandleException(const std::exception& error) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    MessageBoxes().ErrorBox(ErrorBoxText(own != nullptr ? own->Message() : error.what()));
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
