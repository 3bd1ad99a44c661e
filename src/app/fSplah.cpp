#include "app/fSplah.h"

#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "app/DialogFrame.h"
#include "controls/BitBtn.h"
#include "controls/ClickLabel.h"
#include "platform/ProductSite.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Browser.h"
#include "resources/ProgramPictures.h"
#include "text/ProgramVersion.h"
#include "text/TextNumbers.h"

namespace {

constexpr int kClientWidth = 433;
constexpr int kClientHeight = 444;
constexpr int kLanguageRowHeight = 16;
constexpr int kLinkLeft = 312;
constexpr int kTextHeight = 11;  // the designed 8 point
constexpr int kSmallestTextHeight = 9;
constexpr const char* kLanguageNames[] = {"German", "English"};
// How long the start-up waits at most for the splash to reach the screen.
constexpr int kSplashPaintTimeoutMs = 2000;

// The language list's rows: a fixed height, filled with the normal or the selection colour,
// the entry's text 2 pixels from the left edge.
class LanguageRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLanguageRowHeight};
    }
};

void SetTextHeight(QLabel* label, int pixels) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    label->adjustSize();
}

// Ends an event loop once the window it watches has been painted.
class QuitAfterPaint : public QObject {
public:
    explicit QuitAfterPaint(QEventLoop& loop) : loop_(loop) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

}  // namespace

TFormSplash::TFormSplash(TWindowLanguage& language, QWidget* parent)
    : TDialogFrame(language, parent) {
    CreateControls();
    ConnectHandlers();
}

void TFormSplash::CreateControls() {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(kClientWidth, kClientHeight);
    move(screen()->availableGeometry().center() - rect().center());
    setFont(DesignedFont(11));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new TClickLabel(this);
    Image1->setGeometry(24, 8, 377, 273);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage picture = ProductPicture();
    if (!picture.isNull()) {
        Image1->setPixmap(QPixmap::fromImage(picture));
    }
    Label1 = NewLabel(this, 176, 296);
    Label1->setFont(DesignedFont(19));
    SetCaption(Label1, LUMBRAFIX_TITLE);
    Label3 = NewLabel(this, 24, 336);
    Label4 = new TClickLabel(this);
    Label4->move(kLinkLeft, 336);
    MakeLink(Label4);
    // The link stands out on the button-face colour, as the picture's frame does.
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    Label4->setPalette(palette);
    Label4->setAutoFillBackground(true);
    SetCaption(Label4, " " + ProductHost());
    Label2 = NewLabel(this, 144, 360);
    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(24, 384, 393, 4);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    lbxLanguage = NewLabel(this, 24, 408);
    ComboBoxLanguage = new QComboBox(this);
    ComboBoxLanguage->setGeometry(80, 400, 169, 22);
    ComboBoxLanguage->setItemDelegate(new LanguageRowDelegate(ComboBoxLanguage));
    for (const char* name : kLanguageNames) {
        ComboBoxLanguage->addItem(QString::fromLatin1(name));
    }
    butClose = new TBitBtn(this);
    butClose->setGeometry(328, 400, 86, 25);
    butClose->SetGlyph(QStringLiteral(":/buttons/close.xpm"));
}

void TFormSplash::ConnectHandlers() {
    Image1->OnClick = [this] { Image1Click(); };
    Label4->OnClick = [this] { Label4Click(); };
    connect(ComboBoxLanguage, &QComboBox::activated, this, &TFormSplash::ComboBoxLanguageChange);
    connect(butClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormSplash::FormShow() {
    for (QWidget* control :
         {static_cast<QWidget*>(lbxLanguage), static_cast<QWidget*>(ComboBoxLanguage),
          static_cast<QWidget*>(butClose)}) {
        control->setVisible(InformationMode);
    }
    if (InformationMode) {
        ComboBoxLanguage->setCurrentIndex(Language().GetLanguageName() == "German" ? 0 : 1);
    }
    SetCaption(Label3, Text(txAboutDescription));
    FitDescriptionAndLink();
    SetCaption(Label2, Text(txAboutAuthor));
    SetCaption(lbxLanguage, Text(txAboutLanguage));
    butClose->setText(ToQString(Text(txClose)));
    setWindowTitle(ToQString(Text(txAboutTitle)));
}

// The description and the link behind it share one line no wider than the separator. Where the
// installed font runs wider than the designed one, the link moves left from its place up to the
// description, then both shrink together down to a smallest height, and a description still
// too long is cut; the window keeps its designed size.
void TFormSplash::FitDescriptionAndLink() {
    const int right = Bevel1->geometry().right() + 1;
    for (int height = kTextHeight; height >= kSmallestTextHeight; --height) {
        SetTextHeight(Label3, height);
        SetTextHeight(Label4, height);
        if (Label3->geometry().right() + 1 + Label4->width() <= right) {
            break;
        }
    }
    FitToWidth(*Label3, right - Label4->width() - Label3->x());
    const int linkLeft = std::max(kLinkLeft, Label3->geometry().right() + 1);
    Label4->move(std::min(linkLeft, right - Label4->width()), Label4->y());
}

void TFormSplash::ComboBoxLanguageChange(int index) {
    Language().StoreLanguage(index == 0 ? kLanguageNames[0] : kLanguageNames[1]);
}

void TFormSplash::Label4Click() {
    OpenInBrowser(WebsiteUrl(Language().GetLanguageName()));
}

void TFormSplash::Image1Click() {
    if (InformationMode) {
        reject();
    }
}

std::unique_ptr<TFormSplash> ShowSplash(TWindowLanguage& language, QWidget* parent) {
    auto splash = std::make_unique<TFormSplash>(language, parent);
    splash->SetInformationMode(false);
    // Runs the events until the splash has been painted once (or the display does not
    // answer in time), so that it is on the screen before the database load blocks.
    QEventLoop untilPainted;
    QTimer::singleShot(kSplashPaintTimeoutMs, &untilPainted, &QEventLoop::quit);
    QuitAfterPaint watch(untilPainted);
    splash->installEventFilter(&watch);
    splash->show();
    untilPainted.exec(QEventLoop::ExcludeUserInputEvents);
    splash->removeEventFilter(&watch);
    return splash;
}
