#pragma once

#include <QPushButton>

// A push button with a small picture beside its caption. The picture's bottom-left pixel
// gives its background colour, which is drawn transparent; the greyed form for the disabled
// state is made from the same picture.
class TBitBtn : public QPushButton {
public:
    explicit TBitBtn(QWidget* parent = nullptr);

    // Loads the picture from the program's resources, e.g. ":/buttons/search.xpm".
    void SetGlyph(const QString& resource);
};

// The picture of `resource` with its background colour made transparent; an empty picture
// when the resource is missing or unreadable. `format` names an image format that cannot be
// told from the bytes (a bitmap resource without file header is "dib").
QPixmap LoadTransparentGlyph(const QString& resource, const char* format = nullptr);
