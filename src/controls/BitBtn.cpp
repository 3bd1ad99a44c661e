#include "controls/BitBtn.h"

#include <QBitmap>
#include <QImage>

#include "resources/ProgramResources.h"

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent) {
    setIconSize(QSize(16, 16));
}

void TBitBtn::SetGlyph(const QString& resource) {
    setIcon(QIcon(LoadTransparentGlyph(resource)));
}

QPixmap LoadTransparentGlyph(const QString& resource, const char* format) {
    InitProgramResources();
    const QImage image(resource, format);
    if (image.isNull()) {
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    const QColor background = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(background, Qt::MaskInColor));
    return pixmap;
}
