// The controls of the main window, placed as the window was designed: positions and sizes in
// pixels within their parent.

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

#include "app/DialogFrame.h"
#include "app/SearchMain.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "controls/GroupBox.h"

namespace {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 536;

TEdit* NewEdit(QWidget* parent, int left, int top) {
    auto* edit = new TEdit(parent);
    edit->setGeometry(left, top, 121, 21);
    return edit;
}

TBitBtn* NewDetailsButton(QWidget* parent, int top, const char* glyph) {
    TBitBtn* button = NewButton(parent, QRect(216, top, 75, 25), glyph);
    button->setText(QStringLiteral("Details"));
    return button;
}

}  // namespace

void TLumbrafixForm::CreateControls() {
    SetUpFixedDialog(*this, kClientWidth, kClientHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    CreateSearchPanel();
    butExit = NewButton(this, QRect(664, 488, 81, 25), "exit.xpm");
    CreateOptionsBox();
    CreateResultBox();

    StringGridInfo = new TEzHitGrid(this);
    StringGridInfo->setGeometry(8, 200, 553, 281);
    StringGridInfo->SetFixedCols(0);
    StringGridInfo->SetFixedRows(1);
    StringGridInfo->SetFixedColor(QColor(128, 128, 128));

    CheckBoxContexMenu = new QCheckBox(this);
    CheckBoxContexMenu->setGeometry(8, 496, 233, 17);

    QWidget* const tabOrder[] = {edExtension,    edFileType,        edApp,           butSearch,
                                 butExit,        btInternetDetails, btSearchDetails, btAbout,
                                 StringGridInfo, CheckBoxContexMenu};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void TLumbrafixForm::CreateSearchPanel() {
    SearchPanel = new QFrame(this);
    SearchPanel->setGeometry(8, 16, 401, 177);
    SearchPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lbxExtension = NewLabel(SearchPanel, 16, 24, true);
    lbxFileType = NewLabel(SearchPanel, 16, 56, true);
    lbxApp = NewLabel(SearchPanel, 16, 88, true);
    lbxCountInfo = NewLabel(SearchPanel, 16, 144);
    edExtension = NewEdit(SearchPanel, 88, 16);
    edFileType = NewEdit(SearchPanel, 88, 56);
    edApp = NewEdit(SearchPanel, 88, 88);
    butSearch = NewButton(SearchPanel, QRect(304, 136, 75, 25), "search.xpm");
    butSearch->setDefault(true);
}

void TLumbrafixForm::CreateOptionsBox() {
    gbOptions = new TGroupBox(this);
    gbOptions->setGeometry(416, 16, 329, 177);
    lbInternetUpd = NewLabel(gbOptions, 8, 32);
    btInternetDetails = NewDetailsButton(gbOptions, 24, "internet.xpm");
    lbSearchOpt = NewLabel(gbOptions, 8, 64);
    btSearchDetails = NewDetailsButton(gbOptions, 56, "searchopt.xpm");
    lbLanguage = NewLabel(gbOptions, 8, 128);
    btAbout = NewDetailsButton(gbOptions, 120, "about.xpm");
}

void TLumbrafixForm::CreateResultBox() {
    gbResultInfo = new TGroupBox(this);
    gbResultInfo->setGeometry(568, 208, 177, 201);
    lbxSearchValues = NewLabel(gbResultInfo, 8, 24, true);
    lbxSearchItem1 = NewLabel(gbResultInfo, 8, 48);
    lbxSearchItem2 = NewLabel(gbResultInfo, 8, 64);
    lbxSearchItem3 = NewLabel(gbResultInfo, 8, 80);
    lbxSearchANDOR = NewLabel(gbResultInfo, 8, 104, true);
    lbxANDOR = NewLabel(gbResultInfo, 8, 128);
    lbxResult = NewLabel(gbResultInfo, 8, 152, true);
    lbxHits = NewLabel(gbResultInfo, 8, 176);
    lbxHits->setFont(DesignedFont(13, true));
    // On the window's button-face background a label would take the button text colour.
    lbxHits->setForegroundRole(QPalette::WindowText);
    QPalette red = lbxHits->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lbxHits->setPalette(red);
}
