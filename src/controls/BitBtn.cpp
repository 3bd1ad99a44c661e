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
    const QImage image = ReadProgramPicture(resource, format);
    if (image.isNull()) {
        return {};
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    const QColor background = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(background, Qt::MaskInColor));
    return pixmap;
}

TBitBtn* NewButton(QWidget* parent, const QRect& geometry, const char* glyph) {
    auto* button = new TBitBtn(parent);
    button->setGeometry(geometry);
    button->SetGlyph(QStringLiteral(":/buttons/") + QLatin1String(glyph));
    return button;
}
