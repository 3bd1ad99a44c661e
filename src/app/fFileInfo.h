#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "lookup/FileFacts.h"

class QLabel;
class QListWidget;
class TBitBtn;
class TLumbrafixForm;

// The file window: what a file is by its name and by its content, a warning when the two
// disagree, and the applications that open it here, with "Open" (the default application)
// and "Open with" (the one picked in the list). Opening a file whose name and content
// disagree asks first. It stands beside the main window and leaves it as it is.
class TFormFileInfo : public QDialog {
    Q_OBJECT

public:
    TFormFileInfo(TLumbrafixForm& mainWindow, const QString& file);

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
    void Examine();
    void ShowFacts();
    void ShowFailure(const std::string& reason);
    void Launch(const std::string& applicationId);
    std::string Text(int offset) const;
    QString Caption(int offset, const std::string& value) const;

    TLumbrafixForm& mainWindow_;
    std::string file_;  // the file-system name
    std::optional<TFileFacts> facts_;
};

// Where a window `width` wide goes beside the main window: right of it where the screen has
// room, else left of it, never past the screen's left edge; its top level with the main window's.
QPoint BesideOf(const QRect& mainWindow, const QRect& screen, int width);

// Opens the file window for `file` beside the main window; it deletes itself when closed.
void OpenFileWindow(TLumbrafixForm& mainWindow, const QString& file);
