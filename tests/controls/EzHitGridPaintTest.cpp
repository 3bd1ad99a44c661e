// The hit grid's drawing, checked on grabbed images: row colours, text colours, the platform
// pictures and their transparency, and the longest text drawn.

#include <gtest/gtest.h>

#include <QImage>

#include "ShownGrid.h"
#include "controls/BitBtn.h"
#include "controls/Ezhitstg_Ext.h"

namespace {

const QColor kGreen(0, 128, 0);
const QColor kPaleGreen(192, 220, 192);
const QColor kGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QString kBlocks(12, QChar(0x2588));  // full blocks: text that covers its line

// Where a picture's first opaque pixel lies and which colour it has.
struct Landmark {
    QPoint offset;
    QColor colour;
};

Landmark FirstOpaquePixel(const char* resource) {
    const QImage image = LoadTransparentGlyph(QString::fromLatin1(resource), "dib").toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) {
                return {QPoint(x, y), image.pixelColor(x, y)};
            }
        }
    }
    return {};
}

struct Picture {
    const char* resource;
    int left;  // from the cell's left edge
};
const Picture kPictures[] = {{":/platforms/BM_WIN", 2},
                             {":/platforms/BM_MAC", 22},
                             {":/platforms/BM_UNIX", 42},
                             {":/platforms/BM_OS2", 62}};

}  // namespace

// The main window's look: grey header with yellow text, green and pale green rows, black text.
class HitGridPaint : public ShownGridTest<TEzHitGrid> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.SetColCount(4);
        grid.SetRowCount(6);
        grid.SetFixedCols(0);
        grid.SetFixedColor(kGrey);
        grid.SetColor(kGreen);
        grid.SetColorAlt(kPaleGreen);
        grid.SetFixedColsFontColor(kYellow);
        QPalette palette = grid.palette();
        palette.setColor(QPalette::Text, Qt::black);
        grid.setPalette(palette);
        grid.SetColWidths(3, 90);
        grid.clearFocus();
    }

    QImage Snapshot() { return grid.viewport()->grab().toImage(); }

    // Pixels of a colour along the middle line of a cell.
    int CountInCell(const QImage& image, int col, int row, const QColor& colour) const {
        const QRect rect = grid.CellRect(col, row);
        int count = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.pixelColor(x, rect.center().y()) == colour ? 1 : 0;
        }
        return count;
    }

    // Which of the four pictures show in a platform cell.
    std::vector<bool> PicturesShown(const QImage& image, int row) const {
        const QRect cell = grid.CellRect(3, row);
        std::vector<bool> shown;
        for (const Picture& picture : kPictures) {
            const Landmark mark = FirstOpaquePixel(picture.resource);
            const QPoint at = cell.topLeft() + QPoint(picture.left, 2) + mark.offset;
            shown.push_back(image.pixelColor(at) == mark.colour);
        }
        return shown;
    }
};

TEST_F(HitGridPaint, RowsAlternateAndTheHeaderIsGreyWithYellowText) {
    grid.SetCells(1, 0, kBlocks);
    grid.SetCells(1, 2, kBlocks);
    grid.SetRow(1);
    const QImage image = Snapshot();
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 0).center()), kGrey);
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 1).center()),
              grid.palette().color(QPalette::Highlight));
    for (int row : {2, 4}) {
        EXPECT_EQ(image.pixelColor(grid.CellRect(0, row).center()), kPaleGreen) << row;
    }
    for (int row : {3, 5}) {
        EXPECT_EQ(image.pixelColor(grid.CellRect(0, row).center()), kGreen) << row;
    }
    EXPECT_GT(CountInCell(image, 1, 0, kYellow), 10);
    EXPECT_GT(CountInCell(image, 1, 2, Qt::black), 10);
}

TEST_F(HitGridPaint, PlatformHeaderIsTextButDataCellsShowOnlyPictures) {
    grid.SetCells(3, 0, kBlocks);
    grid.SetCells(3, 2, QStringLiteral("Win ") + kBlocks);
    const QImage image = Snapshot();
    EXPECT_GT(CountInCell(image, 3, 0, kYellow), 10);
    EXPECT_EQ(CountInCell(image, 3, 2, Qt::black), 0);
    EXPECT_EQ(PicturesShown(image, 2), (std::vector<bool>{true, false, false, false}));
}

TEST_F(HitGridPaint, PictureBackgroundLetsTheRowColourThrough) {
    grid.SetCells(3, 2, QStringLiteral("WinMacUnixOS2"));
    grid.SetCells(3, 3, QStringLiteral("WinMacUnixOS2"));
    const QImage image = Snapshot();
    for (int row : {2, 3}) {
        const QColor background = row == 2 ? kPaleGreen : kGreen;
        const QRect cell = grid.CellRect(3, row);
        for (const Picture& picture : kPictures) {
            const QPoint lowerLeft = cell.topLeft() + QPoint(picture.left, 2 + 15);
            EXPECT_EQ(image.pixelColor(lowerLeft), background) << picture.resource << row;
        }
    }
    EXPECT_EQ(PicturesShown(image, 2), std::vector<bool>(4, true));
    EXPECT_EQ(PicturesShown(image, 3), std::vector<bool>(4, true));
}

struct PictureCase {
    const char* name;
    const char* text;
    int width;
    std::vector<bool> shown;  // Win, Mac, Unix, OS2
};

class PlatformPictures : public HitGridPaint, public testing::WithParamInterface<PictureCase> {};

TEST_P(PlatformPictures, ShowForTheirWordsWhereTheyFit) {
    grid.SetColWidths(3, GetParam().width);
    grid.SetCells(3, 3, QString::fromLatin1(GetParam().text));
    EXPECT_EQ(PicturesShown(Snapshot(), 3), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    HitGrid, PlatformPictures,
    testing::Values(
        PictureCase{"AllFourIn79", "Win Mac Unix OS2", 79, {true, true, true, true}},
        PictureCase{"OS2DropsAt78", "Win Mac Unix OS2", 78, {true, true, true, false}},
        PictureCase{"UnixFitsIn59", "Win Mac Unix OS2", 59, {true, true, true, false}},
        PictureCase{"UnixDropsAt58", "Win Mac Unix OS2", 58, {true, true, false, false}},
        PictureCase{"MacDropsAt38", "Win Mac Unix OS2", 38, {true, false, false, false}},
        PictureCase{"WinFitsIn19", "Win Mac Unix OS2", 19, {true, false, false, false}},
        PictureCase{"WinDropsAt18", "Win Mac Unix OS2", 18, {false, false, false, false}},
        PictureCase{"WordsInAnyOrder", "OS2;Unix;Win", 90, {true, false, true, true}},
        PictureCase{"Windows95", "Windows 95", 90, {true, false, false, false}},
        PictureCase{
            "MacintoshBesideTheEmptyWinPlace", "Macintosh", 90, {false, true, false, false}},
        PictureCase{"LowerCaseUnix", "unix", 90, {false, false, false, false}},
        PictureCase{"UpperCaseUnix", "UNIX", 90, {false, false, false, false}},
        PictureCase{"OSSlash2", "OS/2", 90, {false, false, false, false}},
        PictureCase{"Linux", "Linux", 90, {false, false, false, false}}),
    RowName());

TEST_F(HitGridPaint, PictureRuleFollowsTheColumnPosition) {
    grid.SetCells(1, 2, kBlocks);
    grid.SetCells(3, 2, QStringLiteral("Win ") + kBlocks);
    grid.MoveColumn(1, 3);  // the text column now stands at position 3, the platforms at 2
    grid.SetColWidths(2, 120);
    const QImage image = Snapshot();
    EXPECT_EQ(CountInCell(image, 3, 2, Qt::black), 0);
    EXPECT_GT(CountInCell(image, 2, 2, Qt::black), 10);
}

TEST_F(HitGridPaint, OneRowWithoutFixedRowIsDrawnAsADataRowWithItsPlatformTitle) {
    grid.SetRowCount(1);
    ASSERT_EQ(grid.FixedRows(), 0);
    grid.SetCells(3, 0, kBlocks);
    const QImage image = Snapshot();
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 0).center()),
              grid.palette().color(QPalette::Highlight));
    EXPECT_GT(CountInCell(image, 3, 0, grid.palette().color(QPalette::HighlightedText)), 10);
}

TEST_F(HitGridPaint, AtMost255CharactersAreDrawn) {
    grid.SetDefaultAlignment(TAlignment::taRightJustify);
    grid.SetColWidths(1, 150);
    grid.SetCells(1, 3, QString(255, QLatin1Char(' ')) + kBlocks);
    grid.SetCells(1, 5, QString(254, QLatin1Char(' ')) + kBlocks);
    const QImage image = Snapshot();
    EXPECT_EQ(CountInCell(image, 1, 3, Qt::black), 0);
    EXPECT_GT(CountInCell(image, 1, 5, Qt::black), 0);
}
