// The hit grid's drawing, checked on grabbed images in the main window's colours.

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>

#include "ShownGrid.h"
#include "controls/BitBtn.h"
#include "controls/Ezhitstg_Ext.h"

namespace {

const QColor kGreen(0, 128, 0);
const QColor kPaleGreen(192, 220, 192);
const QColor kYellow(255, 255, 0);
const QString kBlocks(12, QChar(0x2588));  // full blocks: text that covers its line
const char* const kPictures[] = {":/platforms/BM_WIN", ":/platforms/BM_MAC", ":/platforms/BM_UNIX",
                                 ":/platforms/BM_OS2"};

}  // namespace

class HitGridPaint : public ShownGridTest<TEzHitGrid> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.SetColCount(4);
        grid.SetRowCount(6);
        grid.SetFixedCols(0);
        grid.SetFixedColor(QColor(128, 128, 128));
        grid.SetColor(kGreen);
        grid.SetColorAlt(kPaleGreen);
        grid.SetFixedColsFontColor(kYellow);
        grid.SetColWidths(3, 90);
        grid.clearFocus();
    }

    QImage Snapshot() { return grid.viewport()->grab().toImage(); }

    int CountInCell(const QImage& image, int col, int row, const QColor& colour) const {
        const QRect rect = grid.CellRect(col, row);
        int count = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += image.pixelColor(x, rect.center().y()) == colour ? 1 : 0;
        }
        return count;
    }

    // Which pictures show in a platform cell, each found by its first opaque pixel 20 pixels
    // after the one before it; a shown picture must leave its lower-left pixel transparent.
    std::vector<bool> PicturesShown(const QImage& image, int row) const {
        const QRect cell = grid.CellRect(3, row);
        std::vector<bool> shown;
        for (std::size_t i = 0; i < std::size(kPictures); ++i) {
            const QImage picture =
                LoadTransparentGlyph(QString::fromLatin1(kPictures[i]), "dib").toImage();
            const QPoint origin = cell.topLeft() + QPoint(2 + 20 * static_cast<int>(i), 2);
            QPoint mark(0, 0);
            while (qAlpha(picture.pixel(mark)) != 255) {
                mark = mark.x() == 15 ? QPoint(0, mark.y() + 1) : mark + QPoint(1, 0);
            }
            shown.push_back(image.pixelColor(origin + mark) == picture.pixelColor(mark));
            if (shown.back()) {
                EXPECT_EQ(image.pixelColor(origin + QPoint(0, 15)),
                          image.pixelColor(cell.right(), cell.bottom()));
            }
        }
        return shown;
    }
};

TEST_F(HitGridPaint, RowsAlternateAndFixedCellsTakeTheirTextColour) {
    grid.SetCells(3, 0, kBlocks);
    grid.SetCells(1, 3, kBlocks);
    grid.SetCells(3, 3, QStringLiteral("Win ") + kBlocks);
    grid.SetRow(1);
    const QImage image = Snapshot();
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 1).center()),
              grid.palette().color(QPalette::Highlight));
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 2).center()), kPaleGreen);
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 3).center()), kGreen);
    EXPECT_EQ(image.pixelColor(grid.CellRect(0, 4).center()), kPaleGreen);
    EXPECT_GT(CountInCell(image, 3, 0, kYellow), 10);  // the platform title is text
    const QColor text = grid.palette().color(QPalette::Text);
    EXPECT_GT(CountInCell(image, 1, 3, text), 10);
    EXPECT_EQ(CountInCell(image, 3, 3, text), 0);  // platform cells show no text
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
    for (int row : {2, 3}) {  // on both row colours
        grid.SetCells(3, row, QString::fromLatin1(GetParam().text));
        EXPECT_EQ(PicturesShown(Snapshot(), row), GetParam().shown) << row;
    }
}

const std::vector<bool> kNone(4, false);
INSTANTIATE_TEST_SUITE_P(
    HitGrid, PlatformPictures,
    testing::Values(
        PictureCase{"AllFourIn79", "Win Mac Unix OS2", 79, {true, true, true, true}},
        PictureCase{"OS2DropsAt78", "Win Mac Unix OS2", 78, {true, true, true, false}},
        PictureCase{"UnixDropsAt58", "Win Mac Unix OS2", 58, {true, true, false, false}},
        PictureCase{"MacDropsAt38", "Win Mac Unix OS2", 38, {true, false, false, false}},
        PictureCase{"WinDropsAt18", "Win Mac Unix OS2", 18, kNone},
        PictureCase{"Windows95", "Windows 95", 90, {true, false, false, false}},
        PictureCase{"Macintosh", "Macintosh", 90, {false, true, false, false}},
        PictureCase{"LowerCaseUnix", "unix", 90, kNone},
        PictureCase{"OSSlash2", "OS/2", 90, kNone}),
    RowName());

TEST_F(HitGridPaint, PictureRuleFollowsThePlatformColumnWhereverItIsMoved) {
    grid.SetCells(1, 2, kBlocks);
    grid.SetCells(3, 2, QStringLiteral("Win ") + kBlocks);
    grid.MoveColumn(1, 3);
    const QImage image = Snapshot();
    const QColor text = grid.palette().color(QPalette::Text);
    EXPECT_GT(CountInCell(image, 3, 2, text), 10);
    EXPECT_EQ(CountInCell(image, 2, 2, text), 0);
}

TEST_F(HitGridPaint, AtMost255CharactersAreDrawn) {
    grid.SetDefaultAlignment(TAlignment::taRightJustify);
    grid.SetCells(1, 3, QString(255, QLatin1Char(' ')) + kBlocks);
    grid.SetCells(1, 5, QString(254, QLatin1Char(' ')) + kBlocks);
    const QImage image = Snapshot();
    EXPECT_EQ(CountInCell(image, 1, 3, grid.palette().color(QPalette::Text)), 0);
    EXPECT_GT(CountInCell(image, 1, 5, grid.palette().color(QPalette::Text)), 0);
}

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

// These changes of the look appear at once, not at the next unrelated repaint.
TEST_F(HitGridPaint, ChangingTheLookRepaints) {
    const std::function<void(TEzHitGrid&)> changes[] = {
        [](TEzHitGrid& g) { g.SetDefaultAlignment(TAlignment::taRightJustify); },
        [](TEzHitGrid& g) { g.SetFixedColor(QColor(1, 2, 3)); },
        [](TEzHitGrid& g) { g.SetColor(QColor(4, 5, 6)); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        QApplication::processEvents();
        PaintCounter counter;
        grid.viewport()->installEventFilter(&counter);
        changes[i](grid);
        QApplication::processEvents();
        grid.viewport()->removeEventFilter(&counter);
        EXPECT_GT(counter.paints, 0) << i;
    }
}
