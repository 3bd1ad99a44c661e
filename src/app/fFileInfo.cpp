#include "app/fFileInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

#include "app/DialogFrame.h"
#include "app/SearchMain.h"
#include "controls/BitBtn.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/MessageBoxes.h"
#include "text/AnsiCodePage.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

constexpr int kWindowWidth = 480;
constexpr int kListHeight = 110;
constexpr int kGap = 8;

QLabel* NewValueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* NewWarningLabel(QWidget* parent) {
    auto* label = NewValueLabel(parent);
    label->setFont(DesignedFont(11, true));
    label->setStyleSheet(QStringLiteral("color: #a00000; background: #fff0c0; padding: 4px;"));
    label->hide();
    return label;
}

TBitBtn* NewButton(QWidget* parent, const char* glyph) {
    auto* button = new TBitBtn(parent);
    button->SetGlyph(QStringLiteral(":/buttons/%1").arg(QLatin1String(glyph)));
    return button;
}

}  // namespace

TSideBySide SideBySide(const QRect& mainWindow, const QRect& screen, int width) {
    const int top = mainWindow.top();
    const int screenEnd = screen.right() + 1;
    if (mainWindow.right() + 1 + kGap + width <= screenEnd) {
        return {mainWindow.topLeft(), {mainWindow.right() + 1 + kGap, top}};
    }
    if (mainWindow.left() - kGap - width >= screen.left()) {
        return {mainWindow.topLeft(), {mainWindow.left() - kGap - width, top}};
    }
    const int mainLeft = std::max(screen.left(), screenEnd - width - kGap - mainWindow.width());
    const int besideLeft = std::min(mainLeft + mainWindow.width() + kGap, screenEnd - width);
    return {{mainLeft, top}, {std::max(screen.left(), besideLeft), top}};
}

TFormFileInfo::TFormFileInfo(TWindowLanguage& language, const TStringList& database,
                             const QString& file, QWidget* parent)
    : TDialogFrame(language, parent),
      database_(database),
      file_(QFile::encodeName(file).toStdString()) {
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    Examine();
    connect(butOpen, &QPushButton::clicked, this, &TFormFileInfo::butOpenClick);
    connect(butOpenWith, &QPushButton::clicked, this, &TFormFileInfo::butOpenWithClick);
    connect(lbApplications, &QListWidget::currentRowChanged, this,
            [this](int row) { butOpenWith->setEnabled(row >= 0); });
    connect(butClose, &QPushButton::clicked, this, &QWidget::close);
}

void TFormFileInfo::CreateControls() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DesignedFont(11));
    setFixedWidth(kWindowWidth);
    auto* grid = new QGridLayout(this);
    lbxFile = NewValueLabel(this);
    lbxNameType = NewValueLabel(this);
    lbxContentType = NewValueLabel(this);
    lbxDescription = NewValueLabel(this);
    lbWarning = NewWarningLabel(this);
    lbxApplications = new QLabel(this);
    lbApplications = new QListWidget(this);
    lbApplications->setMinimumHeight(kListHeight);
    int row = 0;
    for (QLabel* label :
         {lbxFile, lbxNameType, lbxContentType, lbxDescription, lbWarning, lbxApplications}) {
        grid->addWidget(label, row++, 0);
    }
    grid->addWidget(lbApplications, row++, 0);
    auto* buttons = new QHBoxLayout;
    butOpen = NewButton(this, "ok.xpm");
    butOpenWith = NewButton(this, "searchopt.xpm");
    butClose = NewButton(this, "close.xpm");
    buttons->addWidget(butOpen);
    buttons->addWidget(butOpenWith);
    buttons->addStretch();
    buttons->addWidget(butClose);
    grid->addLayout(buttons, row, 0);
}

void TFormFileInfo::FormShow() {
    butOpen->setText(ToQString(Text(txFileOpen)));
    butOpenWith->setText(ToQString(Text(txFileOpenWith)));
    butClose->setText(ToQString(Text(txClose)));
    lbxApplications->setText(ToQString(Text(txFileApplications)));
    setWindowTitle(ToQString(Text(txFileTitle)) + QStringLiteral(" - ") +
                   QFileInfo(QFile::decodeName(file_.c_str())).fileName());
}

QString TFormFileInfo::Caption(int offset, const std::string& value) const {
    return ToQString(Text(offset)) + QLatin1Char(' ') + QString::fromUtf8(value);
}

void TFormFileInfo::Examine() {
    lbxFile->setText(Caption(txFileName, file_));
    try {
        TContentReader reader;
        facts_ = ExamineFile(file_, database_, reader);
        ShowFacts();
    } catch (const EFileUnreadable& error) {
        ShowFailure(error.Message());
    }
}

void TFormFileInfo::ShowFacts() {
    lbxNameType->setText(Caption(txFileNameType, facts_->nameType));
    lbxContentType->setText(Caption(txFileContentType, facts_->content.type));
    lbxDescription->setText(Caption(txFileDescription, facts_->content.description));
    if (facts_->mismatch) {
        lbWarning->setText(ToQString(Text(txFileMismatch))
                               .arg(QString::fromStdString(facts_->nameType),
                                    QString::fromStdString(facts_->content.type)));
        lbWarning->show();
    }
    for (const TDesktopApplication& application : facts_->applications) {
        const QString name = QString::fromStdString(application.name);
        lbApplications->addItem(application.isDefault
                                    ? name + QLatin1Char(' ') + ToQString(Text(txFileDefault))
                                    : name);
    }
    if (facts_->applications.empty()) {
        lbApplications->addItem(ToQString(Text(txFileNoApplication)));
        lbApplications->setEnabled(false);
    }
    butOpen->setEnabled(!facts_->applications.empty() && facts_->applications.front().isDefault);
    butOpenWith->setEnabled(false);
}

void TFormFileInfo::ShowFailure(const std::string& reason) {
    lbWarning->setText(Caption(txFileUnreadable, reason));
    lbWarning->show();
    lbApplications->setEnabled(false);
    butOpen->setEnabled(false);
    butOpenWith->setEnabled(false);
}

void TFormFileInfo::butOpenClick() {
    Launch(facts_->applications.front().id);
}

void TFormFileInfo::butOpenWithClick() {
    const int row = lbApplications->currentRow();
    if (row >= 0) {
        Launch(facts_->applications.at(static_cast<std::size_t>(row)).id);
    }
}

void TFormFileInfo::Launch(const std::string& applicationId) {
    if (facts_->mismatch &&
        !MessageBoxes().Confirm(Text(txFileAskOpen), Text(txFileYes), Text(txFileNo))) {
        return;
    }
    try {
        LaunchApplication(applicationId, file_);
    } catch (const ELaunchFailed& error) {
        MessageBoxes().MessageDlg(Text(txFileLaunchFailed) + " " + Utf8ToAnsi(error.Message()),
                                  TMsgDlgType::mtError);
    }
}

void OpenFileWindow(TLumbrafixForm& mainWindow, const QString& file) {
    auto* window = new TFormFileInfo(mainWindow, mainWindow.ExtensionList, file, &mainWindow);
    window->adjustSize();
    const TSideBySide place =
        SideBySide(mainWindow.frameGeometry(), mainWindow.screen()->availableGeometry(),
                   window->frameGeometry().width());
    mainWindow.move(place.mainWindow);
    window->move(place.beside);
    window->show();
}
