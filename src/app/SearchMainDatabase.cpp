// Loading the extension database into the main window at start-up.

#include <filesystem>

#include "app/SearchMain.h"
#include "db/DatabaseCheck.h"
#include "db/DatabaseFile.h"
#include "db/DatabaseKey.h"
#include "qtplatform/Application.h"
#include "qtplatform/MessageBoxes.h"
#include "text/AnsiCodePage.h"
#include "text/TextNumbers.h"

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

void TLumbrafixForm::LoadExtensionDatabase() {
    const std::filesystem::path path = DatabaseFileToRead(programFolder_);
    if (!IsFile(path)) {
        // The folder is a file-system name (UTF-8); the message is an ANSI text.
        MessageBoxes().ShowMessage(Text(txMissingBefore) + " " +
                                   Utf8ToAnsi(ShownFolder(programFolder_)) + " " +
                                   Text(txMissingAfter));
        return;
    }
    try {
        TFileStream file(path.string(), TFileMode::fmOpenReadExclusive);
        LbBlowfish.AssignKey(BuildDatabaseKey());
        ExtensionList = ReadExtensionLines(file, LbBlowfish);
        // Bytes that decipher to no database (a web page, a damaged file) count as defect
        // rather than as a list of garbage lines.
        if (!CheckLoadedDatabase(file.Size(), ExtensionList).loadable) {
            ExtensionList.clear();
        }
    } catch (const std::exception& error) {
        // Whatever goes wrong, running out of memory on a huge file included, the window
        // opens with an empty list.
        ExtensionList.clear();
        HandleException(error);
        return;
    }
    if (ExtensionList.empty()) {
        MessageBoxes().ShowMessage(Text(txDefectOrEmpty));
    }
}
