#include "app/DialogFrame.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "qtplatform/AnsiQt.h"
#include "qtplatform/Application.h"
#include "text/TextTable.h"

QFont DesignedFont(int pixelHeight, bool bold) {
    QFont font(InstalledFontFamily(QStringLiteral("MS Sans Serif")));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SetUpFixedDialog(QDialog& window, int clientWidth, int clientHeight) {
    window.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientWidth, clientHeight);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.setFont(DesignedFont(11));
}

QLabel* NewLabel(QWidget* parent, int left, int top, bool bold) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    if (bold) {
        label->setFont(DesignedFont(11, true));
    }
    return label;
}

void SetCaption(QLabel* label, const std::string& text) {
    label->setText(ToQString(text));
    label->adjustSize();
}

void PaintBlue(QLabel* label) {
    // On a dialog's button-face background a label would take the button text colour.
    label->setForegroundRole(QPalette::WindowText);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(blue);
}

void MakeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    PaintBlue(label);
    label->setCursor(Qt::PointingHandCursor);
}

TDialogFrame::TDialogFrame(TWindowLanguage& language, QWidget* parent)
    : QDialog(parent), language_(language) {}

std::string TDialogFrame::Text(int offset) const {
    return LoadStr(language_.GetLanguageBase() + offset);
}

void TDialogFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window shown again by the window system (restored from a minimise) keeps its texts.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void FitToWidth(QLabel& label, int width) {
    const bool fits = label.width() <= width;
    label.setToolTip(fits ? QString() : label.text());
    if (!fits) {
        label.setText(label.fontMetrics().elidedText(label.text(), Qt::ElideRight, width));
        label.resize(width, label.height());
    }
}
