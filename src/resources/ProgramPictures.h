#pragma once

#include <QByteArray>
#include <QImage>

// The picture a JPEG file holds; a null image when the file is damaged.
QImage DecodePicture(const QByteArray& jpeg);

// The product picture compiled into the program; a null image if it cannot be decoded.
QImage ProductPicture();
