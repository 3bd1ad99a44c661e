#include "resources/ProgramPictures.h"

#include <QFile>

#include "resources/JpegDecoder.h"
#include "resources/ProgramResources.h"

QImage DecodePicture(const QByteArray& jpeg) {
    const TRgbImage decoded = DecodeJpeg(reinterpret_cast<const std::uint8_t*>(jpeg.constData()),
                                         static_cast<std::size_t>(jpeg.size()));
    if (decoded.Empty()) {
        return {};
    }
    // The decoder's buffer goes away with `decoded`: the image keeps a copy of its own.
    return QImage(decoded.pixels.data(), decoded.width, decoded.height, decoded.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

QImage ProductPicture() {
    InitProgramResources();
    QFile file(QStringLiteral(":/pictures/lumbrafix.jpg"));
    return file.open(QIODevice::ReadOnly) ? DecodePicture(file.readAll()) : QImage();
}
