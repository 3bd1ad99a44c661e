#include "qtplatform/Application.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string_view>

#include "platform/Exceptions.h"
#include "qtplatform/ApplicationTitle.h"
#include "qtplatform/MessageBoxes.h"
#include "text/AnsiCodePage.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return false;
}

namespace {

std::string MessageOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error)) {
        return own->Message();
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return "Zu wenig Arbeitsspeicher";
    }
    // Errors of the libraries speak UTF-8 (file names, for one).
    return Utf8ToAnsi(error.what());
}

}  // namespace

namespace {

const char* startFailureLine = "";

void StartMessageHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", startFailureLine);
        std::_Exit(EXIT_FAILURE);
    }
    const std::string_view category = context.category != nullptr ? context.category : "";
    if (!category.starts_with("qt.qpa")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    }
}

}  // namespace

void ExplainStartFailureAs(const char* line) {
    startFailureLine = line;
    qInstallMessageHandler(StartMessageHandler);
}

void EndStartFailureExplanation() {
    qInstallMessageHandler(nullptr);
}

void HandleException(const std::exception& error) {
    MessageBoxes().ErrorBox(ErrorBoxText(MessageOf(error)));
}

QString InstalledFontFamily(const QString& designedFamily) {
    if (designedFamily == QLatin1String("MS Sans Serif")) {
        return QStringLiteral("Liberation Sans");
    }
    if (designedFamily == QLatin1String("Comic Sans MS")) {
        return QStringLiteral("Comic Neue");
    }
    return designedFamily;
}
