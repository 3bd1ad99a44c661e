// The controls of the update dialog, placed as the dialog was designed: positions and sizes in
// pixels within the client area.

#include <QLabel>
#include <QProgressBar>

#include "app/DialogFrame.h"
#include "app/fInternetUpdate.h"
#include "controls/BitBtn.h"

namespace {

constexpr int kClientWidth = 390;
constexpr int kClientHeight = 193;
constexpr int kFirstRowTop = 16;
// Space between the parts of the first row, which reads as one sentence.
constexpr int kWordGap = 4;

// The link to the product website: a fixed caption in blue, underlined.
QLabel* NewLinkLabel(QWidget* parent) {
    QLabel* link = NewLabel(parent, 184, kFirstRowTop);
    link->setText(QStringLiteral("marbelin-online-Server"));
    MakeLink(link);
    link->adjustSize();
    return link;
}

}  // namespace

void TformUpdate::CreateControls() {
    SetUpFixedDialog(*this, kClientWidth, kClientHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    lbxLabel = NewLabel(this, 16, kFirstRowTop);
    Label2 = NewLinkLabel(this);
    Label2->installEventFilter(this);
    Label3 = NewLabel(this, 288, kFirstRowTop);
    lbxLabelVer = NewLabel(this, 16, 56);
    lbxVersion = NewLabel(this, 240, 56);
    Label1 = NewLabel(this, 16, 96);
    btDownLoad = NewButton(this, QRect(240, 88, 121, 25), "internet.xpm");
    btClose = NewButton(this, QRect(304, 144, 81, 25), "close.xpm");

    ProgressBarhttpDownload = new QProgressBar(this);
    ProgressBarhttpDownload->setGeometry(-8, 176, 401, 17);
    ProgressBarhttpDownload->setTextVisible(false);
    ProgressBarhttpDownload->setValue(0);

    QWidget::setTabOrder(btClose, btDownLoad);
    QWidget::setTabOrder(btDownLoad, ProgressBarhttpDownload);
    btClose->setFocus();
}

// The first row reads as one sentence: the text before the link, the link, the text after
// it. The texts differ in length between the languages, so the link and the closing text
// follow the text before them, never standing to the left of their designed places.
void TformUpdate::ArrangeFirstRow() {
    lbxLabel->adjustSize();
    Label3->adjustSize();
    Label2->move(std::max(184, lbxLabel->geometry().right() + kWordGap), kFirstRowTop);
    Label3->move(std::max(288, Label2->geometry().right() + kWordGap), kFirstRowTop);
}
