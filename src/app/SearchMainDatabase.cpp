// Taking the extension database into the main window at start-up.

#include <QCoreApplication>
#include <chrono>

#include "app/SearchMain.h"
#include "app/fSplah.h"
#include "db/DatabaseFile.h"
#include "qtplatform/Application.h"
#include "qtplatform/MessageBoxes.h"
#include "text/AnsiCodePage.h"
#include "text/TextNumbers.h"

namespace {

using std::chrono::milliseconds;

// A load that ends within this time goes unnoticed; a longer one shows the splash, so that the
// user sees the program starting rather than nothing.
constexpr milliseconds kSplashAfter{150};
// How often the splash is repainted while it waits, when it was covered or moved.
constexpr milliseconds kSplashRepaintEvery{20};

bool Finished(const std::future<std::optional<TStringList>>& load, milliseconds within) {
    return load.wait_for(within) == std::future_status::ready;
}

}  // namespace

std::optional<TStringList> TLumbrafixForm::AwaitLoad(std::future<std::optional<TStringList>> load) {
    if (!Finished(load, kSplashAfter)) {
        const std::unique_ptr<TFormSplash> splash = ShowSplash(*this, this);
        while (!Finished(load, kSplashRepaintEvery)) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    return load.get();
}

void TLumbrafixForm::LoadExtensionDatabase(std::future<std::optional<TStringList>> load) {
    try {
        std::optional<TStringList> lines = AwaitLoad(std::move(load));
        if (!lines) {
            // The folder is a file-system name (UTF-8); the message is an ANSI text.
            MessageBoxes().ShowMessage(Text(txMissingBefore) + " " +
                                       Utf8ToAnsi(ShownFolder(programFolder_)) + " " +
                                       Text(txMissingAfter));
            return;
        }
        ExtensionList = std::move(*lines);
    } catch (const std::exception& error) {
        // Whatever goes wrong, running out of memory on a huge file included, the window
        // opens with the empty list it was built with.
        HandleException(error);
        return;
    }
    if (ExtensionList.empty()) {
        MessageBoxes().ShowMessage(Text(txDefectOrEmpty));
    }
}
