#include "qtplatform/Browser.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

void OpenWithDesktop(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

TBrowserOpener& CurrentOpener() {
    static TBrowserOpener opener = OpenWithDesktop;
    return opener;
}

}  // namespace

void OpenInBrowser(const std::string& url) {
    CurrentOpener()(url);
}

ScopedBrowserOpener::ScopedBrowserOpener(TBrowserOpener replacement)
    : previous_(std::exchange(CurrentOpener(), std::move(replacement))) {}

ScopedBrowserOpener::~ScopedBrowserOpener() {
    CurrentOpener() = std::move(previous_);
}
