#pragma once

#include <QDialog>
#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "app/WindowLanguage.h"
#include "db/ExtensionDatabase.h"
#include "db/SearchEngine.h"
#include "platform/ProgramPath.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class TBitBtn;
class TEdit;
class TEzHitGrid;

// The main window: three search fields, the hit grid, the result box and the rows that open
// the update, search options and information windows. There is one for the whole run.
class TLumbrafixForm : public QDialog, public TWindowLanguage {
    Q_OBJECT

public:
    // Builds the window and settles the language; FormCreate then takes the database of
    // `programFolder` from the load started for it. StartLumbrafix (Startup.h) runs both.
    explicit TLumbrafixForm(std::filesystem::path programFolder = ProgramFolder(),
                            QWidget* parent = nullptr);
    ~TLumbrafixForm() override;

    int GetLanguageBase() const override { return LanguageBase; }
    static std::string SystemLanguageName();
    std::string GetLanguageName() const override;
    // Stores the language choice ("German" or "English") machine-wide where this user may,
    // else for this user, and switches the texts' base to it.
    void StoreLanguage(const std::string& languageName) override;

    // The start-up work: application title, empty lists and flags, and the end of the database
    // `load` under the hourglass, with the splash on the screen when the load makes the user
    // wait (StartDatabaseLoad, db/DatabaseLoad.h).
    void FormCreate(std::future<std::optional<TStringList>> load);
    void RefreshCaptions();
    void butSearchClick();
    void butExitClick();
    void btInternetDetailsClick();
    void btAboutClick();
    void btSearchDetailsClick();
    void CheckBoxContexMenuClick();
    // Puts the extension of `file` into the extension field and searches, as if typed; a file
    // without an extension changes nothing.
    void LookUpExtensionOf(const QString& file);

    // Controls, named as the layout names them.
    QFrame* SearchPanel = nullptr;
    QLabel* lbxExtension = nullptr;
    QLabel* lbxFileType = nullptr;
    QLabel* lbxApp = nullptr;
    QLabel* lbxCountInfo = nullptr;
    TEdit* edExtension = nullptr;
    TEdit* edFileType = nullptr;
    TEdit* edApp = nullptr;
    TBitBtn* butSearch = nullptr;
    TBitBtn* butExit = nullptr;
    QGroupBox* gbOptions = nullptr;
    QLabel* lbInternetUpd = nullptr;
    TBitBtn* btInternetDetails = nullptr;
    QLabel* lbSearchOpt = nullptr;
    TBitBtn* btSearchDetails = nullptr;
    QLabel* lbLanguage = nullptr;
    TBitBtn* btAbout = nullptr;
    QGroupBox* gbResultInfo = nullptr;
    QLabel* lbxSearchValues = nullptr;
    QLabel* lbxSearchItem1 = nullptr;
    QLabel* lbxSearchItem2 = nullptr;
    QLabel* lbxSearchItem3 = nullptr;
    QLabel* lbxSearchANDOR = nullptr;
    QLabel* lbxANDOR = nullptr;
    QLabel* lbxResult = nullptr;
    QLabel* lbxHits = nullptr;
    TEzHitGrid* StringGridInfo = nullptr;
    QCheckBox* CheckBoxContexMenu = nullptr;

    THitList HitList;  // views into ExtensionList, which stays as loaded for the whole run
    TStringList ExtensionList;
    std::uint8_t AndLinking = 0;    // 1: AND linking of the terms, else OR
    std::uint8_t HitListFocus = 0;  // 1: the grid takes the focus after a search
    std::int32_t LanguageBase = 0;  // 1000 German, 5000 English

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void CreateControls();
    void CreateSearchPanel();
    void CreateOptionsBox();
    void CreateResultBox();
    void ConnectHandlers();
    void SetUpHitGrid();
    void LoadExtensionDatabase(std::future<std::optional<TStringList>> load);
    std::optional<TStringList> AwaitLoad(std::future<std::optional<TStringList>> load);
    void FindHits();
    void WriteHitsIntoGrid();
    // A caption of the main window: it never runs across its parent's frame.
    void SetCaption(QLabel* label, const std::string& text);
    std::string Text(int offset) const;
    bool AnySearchTerm() const;

    std::filesystem::path programFolder_;
};
