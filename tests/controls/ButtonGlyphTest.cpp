#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "controls/BitBtn.h"
#include "resources/ProgramResources.h"

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
    QWidget parent;  // drawn at its own size, not blurred by scaling
    EXPECT_EQ(NewButton(&parent, QRect(0, 0, 75, 25), "search.xpm")->iconSize(), glyph.size());
}

TEST(ButtonGlyph, MissingPictureGivesAnEmptyOne) {
    EXPECT_TRUE(LoadTransparentGlyph(QStringLiteral(":/buttons/none.xpm")).isNull());
}

// Fault: the background taken from a pixel other than the bottom-left one. Red is in that
// corner and one other, green everywhere else, so only the two red pixels may turn clear.
TEST(ButtonGlyph, OnlyTheColourOfTheBottomLeftCornerTurnsClear) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("corner.xpm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "/* XPM */\nstatic const char* corner[] = {\"3 3 2 1\", \"r c #FF0000\", "
        "\"g c #00FF00\", \"ggr\", \"ggg\", \"rgg\"};\n");
    file.close();
    const QImage glyph = LoadTransparentGlyph(path).toImage();
    ASSERT_EQ(glyph.size(), QSize(3, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            const bool red = (x == 0 && y == 2) || (x == 2 && y == 0);
            EXPECT_EQ(qAlpha(glyph.pixel(x, y)), red ? 0 : 255) << x << "," << y;
        }
    }
}

// Fault: Qt left to ask every installed image plugin about the program's own pictures, which
// loads each of them as a library at start-up.
TEST(ButtonGlyph, ProgramPicturesLoadNoImagePlugin) {
    ASSERT_FALSE(ReadProgramPicture(QStringLiteral(":/icons/lumbrafix-16.png")).isNull());
    ASSERT_FALSE(LoadTransparentGlyph(QStringLiteral(":/buttons/search.xpm")).isNull());
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("imageformats/"));
}
