#include "app/SearchMain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "app/DialogFrame.h"
#include "app/fInternetUpdate.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "db/ExtensionRecord.h"
#include "db/SearchEngine.h"
#include "platform/SystemLanguage.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Application.h"
#include "qtplatform/ApplicationTitle.h"
#include "qtplatform/Hourglass.h"
#include "qtplatform/MessageBoxes.h"
#include "settings/ContextMenu.h"
#include "settings/Settings.h"
#include "text/Language.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"
#include "text/TrimControls.h"

namespace {

constexpr int kHitGridColumns = 4;
constexpr int kNarrowFirstColumnFrom = 10;

// The hits as the grid's data rows: fields 1 to 4 of each, converted only when shown. Reads
// the window's hit list, so it always shows the last search.
class THitRows : public TGridRowSource {
public:
    explicit THitRows(const THitList& hits) : hits_(hits) {}
    int Count() const override { return static_cast<int>(hits_.size()); }
    QString Text(int field, int index) const override {
        return ToQString(FieldOf(hits_[static_cast<std::size_t>(index)], field + 1));
    }

private:
    const THitList& hits_;
};

// The designed width cuts the German caption off in the mapped font; the box grows to the
// right, where nothing lies beside it.
void WidenToShowCaption(QCheckBox* box) {
    box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
}

}  // namespace

TLumbrafixForm::TLumbrafixForm(std::filesystem::path programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)) {
    CreateControls();
    ConnectHandlers();
    LanguageBase = LanguageBaseFor(GetLanguageName());
}

TLumbrafixForm::~TLumbrafixForm() {
    StringGridInfo->SetRowSource(1, nullptr);  // it reads the hit list, which goes first
}

void TLumbrafixForm::ConnectHandlers() {
    connect(butSearch, &QPushButton::clicked, this, &TLumbrafixForm::butSearchClick);
    connect(butExit, &QPushButton::clicked, this, &TLumbrafixForm::butExitClick);
    connect(btInternetDetails, &QPushButton::clicked, this,
            &TLumbrafixForm::btInternetDetailsClick);
    connect(btAbout, &QPushButton::clicked, this, &TLumbrafixForm::btAboutClick);
    connect(btSearchDetails, &QPushButton::clicked, this, &TLumbrafixForm::btSearchDetailsClick);
    // Runs on every change of the box, also when the program sets it.
    connect(CheckBoxContexMenu, &QCheckBox::toggled, this,
            &TLumbrafixForm::CheckBoxContexMenuClick);
}

std::string TLumbrafixForm::SystemLanguageName() {
    return ::SystemLanguageName();
}

std::string TLumbrafixForm::GetLanguageName() const {
    return ChooseLanguageName(SystemLanguageName(), ReadStoredLanguage());
}

void TLumbrafixForm::StoreLanguage(const std::string& languageName) {
    if (WriteStoredLanguage(languageName)) {
        LanguageBase = LanguageBaseFor(languageName);
    }
}

std::string TLumbrafixForm::Text(int offset) const {
    return LoadStr(LanguageBase + offset);
}

void TLumbrafixForm::FormCreate(std::future<std::optional<TStringList>> load) {
    SetApplicationTitle(Text(txTitle));
    HitList.clear();
    ExtensionList.clear();
    AndLinking = 0;
    HitListFocus = 0;
    lbxSearchItem1->clear();
    lbxSearchItem2->clear();
    lbxSearchItem3->clear();
    lbxANDOR->setText(AndLinking == 1 ? QStringLiteral("AND") : QStringLiteral("OR"));
    lbxANDOR->adjustSize();
    lbxHits->clear();
    const THourglass hourglass;
    LoadExtensionDatabase(std::move(load));
}

void TLumbrafixForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TLumbrafixForm::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the main window; only the exit button and the frame do.
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
    }
}

void TLumbrafixForm::FormShow() {
    RefreshCaptions();
    // Checking the box runs its handler, which restores a registration that has gone missing.
    if (ContextMenuChosen()) {
        CheckBoxContexMenu->setChecked(true);
    }
}

void TLumbrafixForm::SetCaption(QLabel* label, const std::string& text) {
    ::SetCaption(label, text);
    // A caption never runs across its parent's frame: it keeps the same margin on the right as
    // on the left.
    FitToWidth(*label, label->parentWidget()->width() - 2 * label->x());
}

void TLumbrafixForm::SetUpHitGrid() {
    StringGridInfo->SetColCount(kHitGridColumns);
    StringGridInfo->SetRowCount(2);
    StringGridInfo->SetOptions({TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine,
                                TGridOption::goVertLine, TGridOption::goHorzLine,
                                TGridOption::goColSizing, TGridOption::goColMoving,
                                TGridOption::goRowSelect});
    StringGridInfo->SetColorAlt(QColor(192, 220, 192));
    QFont font(InstalledFontFamily(QStringLiteral("Comic Sans MS")));
    font.setPointSize(9);
    StringGridInfo->setFont(font);
    // Black text whatever the desktop theme's text colour.
    QPalette palette = StringGridInfo->palette();
    palette.setColor(QPalette::Text, Qt::black);
    StringGridInfo->setPalette(palette);
    StringGridInfo->SetColor(QColor(0, 128, 0));
    StringGridInfo->SetFixedColsFontColor(QColor(255, 255, 0));
    // By field: a column the user has moved keeps its heading and width at its new place.
    const int widths[kHitGridColumns] = {80, 190, 195, 80};
    const int headers[kHitGridColumns] = {txExtension, txFileType, txProgram, txPlatform};
    for (int col = 0; col < kHitGridColumns; ++col) {
        const int field = StringGridInfo->SourceField(col);
        StringGridInfo->SetCells(col, 0, ToQString(Text(headers[field])));
        StringGridInfo->SetColWidths(col, widths[field]);
    }
}

void TLumbrafixForm::RefreshCaptions() {
    SetCaption(lbxCountInfo, Text(txCountBefore) + " " + std::to_string(ExtensionList.size()) +
                                 " " + Text(txCountAfter));
    SetUpHitGrid();
    SetCaption(lbxExtension, Text(txExtension));
    SetCaption(lbxFileType, Text(txFileType));
    SetCaption(lbxApp, Text(txProgram));
    butSearch->setText(ToQString(Text(txSearch)));
    gbResultInfo->setTitle(ToQString(Text(txResultInfo)));
    SetCaption(lbxSearchValues, Text(txSearchTerms));
    SetCaption(lbxSearchANDOR, Text(txSearchType));
    SetCaption(lbxResult, Text(txResult));
    CheckBoxContexMenu->setText(ToQString(Text(txContextMenu)));
    WidenToShowCaption(CheckBoxContexMenu);
    setWindowTitle(ToQString(Text(txTitle)));
    gbOptions->setTitle(ToQString(Text(txSettings)));
    SetCaption(lbInternetUpd, Text(txInternetUpdate));
    SetCaption(lbSearchOpt, Text(txSearchOptions));
    SetCaption(lbLanguage, Text(txLanguage));
    butExit->setText(ToQString(Text(txQuit)));
}

bool TLumbrafixForm::AnySearchTerm() const {
    for (const TEdit* edit : {edExtension, edFileType, edApp}) {
        if (!TrimControls(FromQString(edit->text())).empty()) {
            return true;
        }
    }
    return false;
}

void TLumbrafixForm::butSearchClick() {
    if (!AnySearchTerm()) {
        MessageBoxes().MessageDlg(Text(txEmptySearch), TMsgDlgType::mtWarning);
        edExtension->setFocus();
        return;
    }
    {
        const THourglass hourglass;
        FindHits();
        if (StringGridInfo->RowCount() > 1) {
            StringGridInfo->SetFixedRows(1);
        }
        StringGridInfo->SetColWidths(0, HitList.size() < kNarrowFirstColumnFrom ? 80 : 64);
        WriteHitsIntoGrid();
    }
    if (HitListFocus == 1) {
        StringGridInfo->setFocus();
    } else {
        edExtension->setFocus();
    }
}

void TLumbrafixForm::WriteHitsIntoGrid() {
    StringGridInfo->SetRowSource(1, std::make_shared<THitRows>(HitList));
}

void TLumbrafixForm::FindHits() {
    const TSearchTerms terms{FromQString(edExtension->text()), FromQString(edFileType->text()),
                             FromQString(edApp->text())};
    const bool andLinking = AndLinking == 1;
    HitList = FindMatchingLines(ExtensionList, terms, andLinking);
    StringGridInfo->SetRowCount(static_cast<int>(HitList.size()) + 1);
    const TSearchSummary summary = SummarizeSearch(terms, andLinking, HitList.size(), LanguageBase);
    QLabel* const items[] = {lbxSearchItem1, lbxSearchItem2, lbxSearchItem3};
    for (std::size_t i = 0; i < summary.items.size(); ++i) {
        SetCaption(items[i], summary.items[i]);
    }
    SetCaption(lbxSearchValues, summary.heading);
    SetCaption(lbxANDOR, summary.linking);
    SetCaption(lbxHits, summary.hits);
    if (HitListFocus == 1) {
        StringGridInfo->setFocus();
    } else {
        edExtension->setFocus();
    }
}

void TLumbrafixForm::butExitClick() {
    HitList.clear();
    ExtensionList.clear();
    close();
}

void TLumbrafixForm::btInternetDetailsClick() {
    TformUpdate formUpdate(*this, programFolder_, this);
    formUpdate.exec();
    edExtension->setFocus();
}
