#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/DialogFrame.h"
#include "db/StringList.h"
#include "lookup/FileFacts.h"

class QLabel;
class QListWidget;
class TBitBtn;
class TLumbrafixForm;

// The file window: what a file is by its name and by its content, a warning when the two
// disagree, and the applications that open it here, with "Open" (the default application)
// and "Open with" (the one picked in the list). Opening a file whose name and content
// disagree asks first. It stands beside the main window and leaves it as it is.
class TFormFileInfo : public TDialogFrame {
    Q_OBJECT

public:
    // Examines `file` against the `database` lines; the window shows `language`'s texts and
    // belongs to `parent`, the main window.
    TFormFileInfo(TWindowLanguage& language, const TStringList& database, const QString& file,
                  QWidget* parent);

    void butOpenClick();
    void butOpenWithClick();

    QLabel* lbxFile = nullptr;
    QLabel* lbxNameType = nullptr;
    QLabel* lbxContentType = nullptr;
    QLabel* lbxDescription = nullptr;
    QLabel* lbWarning = nullptr;
    QLabel* lbxApplications = nullptr;
    QListWidget* lbApplications = nullptr;
    TBitBtn* butOpen = nullptr;
    TBitBtn* butOpenWith = nullptr;
    TBitBtn* butClose = nullptr;

private:
    void CreateControls();
    void FormShow() override;
    void Examine();
    void ShowFacts();
    void ShowFailure(const std::string& reason);
    void Launch(const std::string& applicationId);
    QString Caption(int offset, const std::string& value) const;

    const TStringList& database_;
    std::string file_;  // the file-system name
    std::optional<TFileFacts> facts_;
};

// Where the main window and a window `width` wide beside it go: right of the main window where
// the screen has room, else left of it; where neither side has room, the main window moves left
// so that both fit (as far as the screen is wide). Tops level, nothing past the screen's edges.
struct TSideBySide {
    QPoint mainWindow;
    QPoint beside;
};
TSideBySide SideBySide(const QRect& mainWindow, const QRect& screen, int width);

// Opens the file window for `file` beside the main window; it deletes itself when closed.
void OpenFileWindow(TLumbrafixForm& mainWindow, const QString& file);
