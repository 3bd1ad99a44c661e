#include "app/SearchOpt.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "controls/BitBtn.h"
#include "controls/GroupBox.h"
#include "qtplatform/AnsiQt.h"
#include "text/TextNumbers.h"

namespace {

constexpr int kClientWidth = 428;
constexpr int kClientHeight = 259;

QRadioButton* NewRadioButton(QWidget* parent, const QRect& geometry) {
    auto* button = new QRadioButton(parent);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TFormSerachOpt::TFormSerachOpt(TWindowLanguage& language, QWidget* parent)
    : TDialogFrame(language, parent) {
    CreateControls();
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSerachOpt::CreateControls() {
    SetUpFixedDialog(*this, kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 409, 209);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lbInfoText = new QLabel(Panel1);
    lbInfoText->setGeometry(16, 16, 362, 13);
    gbxANDOR = new TGroupBox(Panel1);
    gbxANDOR->setGeometry(16, 40, 361, 73);
    rbANDSearch = NewRadioButton(gbxANDOR, QRect(16, 24, 113, 17));
    rbORSearch = NewRadioButton(gbxANDOR, QRect(16, 48, 113, 17));
    gbxSelection = new TGroupBox(Panel1);
    gbxSelection->setGeometry(16, 120, 361, 73);
    rbSearchFieldSelected = NewRadioButton(gbxSelection, QRect(16, 24, 233, 17));
    rbHitListSelected = NewRadioButton(gbxSelection, QRect(16, 48, 217, 17));

    btCancel = NewButton(this, QRect(248, 224, 91, 25), "cancel.xpm");
    btOK = NewButton(this, QRect(344, 224, 75, 25), "ok.xpm");
    btOK->setDefault(true);

    QWidget* const tabOrder[] = {
        btOK, btCancel, rbANDSearch, rbORSearch, rbSearchFieldSelected, rbHitListSelected};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

void TFormSerachOpt::FormShow() {
    setWindowTitle(ToQString(Text(txOptTitle)));
    lbInfoText->setText(ToQString(Text(txOptIntro)));
    lbInfoText->adjustSize();  // sizes itself to its text, like every label of the program
    gbxANDOR->setTitle(ToQString(Text(txOptLinking)));
    rbANDSearch->setText(ToQString(Text(txOptAnd)));
    rbORSearch->setText(ToQString(Text(txOptOr)));
    gbxSelection->setTitle(ToQString(Text(txOptSelection)));
    rbSearchFieldSelected->setText(ToQString(Text(txOptKeepSearchField)));
    rbHitListSelected->setText(ToQString(Text(txOptFocusHitList)));
    btCancel->setText(ToQString(Text(txOptCancel)));
    btOK->setText(ToQString(Text(txOptOk)));
    btOK->setFocus();
}
