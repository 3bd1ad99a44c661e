#include <gtest/gtest.h>

#include <QImage>

#include "controls/BitBtn.h"

TEST(ButtonGlyph, BackgroundColourOfTheBottomLeftPixelBecomesTransparent) {
    const QImage glyph = LoadTransparentGlyph(QStringLiteral(":/buttons/search.xpm")).toImage();
    ASSERT_FALSE(glyph.isNull());
    EXPECT_EQ(glyph.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            opaque += qAlpha(glyph.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 20);
}

TEST(ButtonGlyph, MissingPictureGivesAnEmptyOne) {
    EXPECT_TRUE(LoadTransparentGlyph(QStringLiteral(":/buttons/none.xpm")).isNull());
}
