#include "app/DialogFrame.h"

#include <QDialog>
#include <QLabel>
#include <QScreen>

QFont DesignedFont(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
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

void FitToWidth(QLabel& label, int width) {
    const bool fits = label.width() <= width;
    label.setToolTip(fits ? QString() : label.text());
    if (!fits) {
        label.setText(label.fontMetrics().elidedText(label.text(), Qt::ElideRight, width));
        label.resize(width, label.height());
    }
}
