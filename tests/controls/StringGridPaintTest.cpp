#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <map>
#include <utility>

#include "ShownGrid.h"
#include "controls/StringGrid.h"

namespace {

struct DrawCall {
    QRect rect;
    TGridDrawState state;
    QColor pen;
    int count = 0;
};

// Records every DrawCell call instead of drawing.
class RecordingGrid : public TStringGrid {
public:
    std::map<std::pair<int, int>, DrawCall> calls;  // by (column, row)

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                  TGridDrawState state) override {
        DrawCall& call = calls[{col, row}];
        call = {rect, state, painter.pen().color(), call.count + 1};
    }
};

QImage Snapshot(TStringGrid& grid) {
    return grid.viewport()->grab().toImage();
}

// Draws the grid once and records only the cells of that drawing.
void RecordOnePaint(RecordingGrid& grid) {
    QApplication::processEvents();
    grid.calls.clear();
    Snapshot(grid);
}

}  // namespace

using DrawCellHook = ShownGridTest<RecordingGrid>;

TEST_F(DrawCellHook, IsCalledOnceForEveryVisibleCellWithItsFlags) {
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.SetRow(2);
    grid.setFocus();
    RecordOnePaint(grid);
    ASSERT_EQ(grid.calls.size(), 25u);
    const QColor text = grid.palette().color(QPalette::Text);
    const QColor highlightedText = grid.palette().color(QPalette::HighlightedText);
    for (const auto& [cell, call] : grid.calls) {
        const auto [col, row] = cell;
        SCOPED_TRACE(testing::Message() << "cell " << col << "," << row);
        EXPECT_EQ(call.count, 1);
        EXPECT_EQ(call.rect, grid.CellRect(col, row));
        const bool fixed = col == 0 || row == 0;
        const bool selected = !fixed && row == 2;
        EXPECT_EQ(bool(call.state & gdFixed), fixed);
        EXPECT_EQ(bool(call.state & gdSelected), selected);
        EXPECT_EQ(bool(call.state & gdFocused), col == grid.Col() && row == 2);
        EXPECT_EQ(call.pen, selected ? highlightedText : text);
    }
}

TEST_F(DrawCellHook, SkipsCellsScrolledOutOfView) {
    grid.SetRowCount(100);
    grid.SetTopRow(10);
    RecordOnePaint(grid);
    EXPECT_EQ(grid.calls.count({1, 0}), 1u);
    EXPECT_EQ(grid.calls.count({1, 10}), 1u);
    EXPECT_EQ(grid.calls.count({1, 9}), 0u);
    EXPECT_EQ(grid.calls.count({1, 1}), 0u);
    for (const auto& [cell, call] : grid.calls) {
        EXPECT_LT(call.rect.top(), grid.viewport()->height());
    }
}

TEST_F(DrawCellHook, NoFocusFlagWithoutFocus) {
    grid.clearFocus();
    RecordOnePaint(grid);
    for (const auto& [cell, call] : grid.calls) {
        EXPECT_FALSE(call.state & gdFocused);
    }
}

class GridColours : public ShownGridTest<> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.SetColor(QColor(0, 128, 0));
        grid.SetFixedColor(QColor(128, 128, 128));
        grid.SetOptions(grid.Options() | goRowSelect);
        grid.SetRow(2);
        grid.clearFocus();
    }

    QColor At(const QImage& image, QPoint point) const { return image.pixelColor(point); }
    QColor CentreColour(const QImage& image, int col, int row) const {
        return At(image, CentreOf(col, row));
    }
};

TEST_F(GridColours, CellsAreFilledByKind) {
    const QImage image = Snapshot(grid);
    EXPECT_EQ(CentreColour(image, 0, 0), QColor(128, 128, 128));
    EXPECT_EQ(CentreColour(image, 0, 2), QColor(128, 128, 128));
    EXPECT_EQ(CentreColour(image, 2, 0), QColor(128, 128, 128));
    EXPECT_EQ(CentreColour(image, 1, 1), QColor(0, 128, 0));
    EXPECT_EQ(CentreColour(image, 4, 4), QColor(0, 128, 0));
    EXPECT_EQ(CentreColour(image, 3, 2), grid.palette().color(QPalette::Highlight));
    EXPECT_EQ(At(image, {390, 290}), QColor(0, 128, 0));  // beside the cells
}

TEST_F(GridColours, GridLinesFollowTheOptions) {
    const QRect normal = grid.CellRect(2, 3);
    const QRect fixed = grid.CellRect(2, 0);
    const QPoint normalVertical(normal.right() + 1, normal.center().y());
    const QPoint normalHorizontal(normal.center().x(), normal.bottom() + 1);
    const QPoint fixedVertical(fixed.right() + 1, fixed.center().y());
    QImage image = Snapshot(grid);
    EXPECT_EQ(At(image, normalVertical), QColor(192, 192, 192));
    EXPECT_EQ(At(image, normalHorizontal), QColor(192, 192, 192));
    EXPECT_EQ(At(image, fixedVertical), QColor(0, 0, 0));

    grid.SetOptions(goFixedVertLine | goHorzLine);
    image = Snapshot(grid);
    EXPECT_EQ(At(image, {normal.right() + 1, normal.center().y()}), QColor(0, 128, 0));
    EXPECT_EQ(At(image, normalHorizontal), QColor(192, 192, 192));
    EXPECT_EQ(At(image, fixedVertical), QColor(0, 0, 0));
}

TEST_F(GridColours, TextIsWrittenInTheCellsTextColour) {
    grid.SetColWidths(1, 200);
    grid.SetCells(1, 1, QString(20, QChar(0x2588)));  // full blocks cover most of the line
    grid.SetCells(1, 2, QString(20, QChar(0x2588)));
    const QImage image = Snapshot(grid);
    const QRect normal = grid.CellRect(1, 1);
    const QRect selected = grid.CellRect(1, 2);
    EXPECT_EQ(At(image, {normal.left(), normal.center().y()}), QColor(0, 128, 0));
    const auto textPixels = [&](const QRect& rect, QColor colour) {
        int count = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += At(image, {x, rect.center().y()}) == colour;
        }
        return count;
    };
    EXPECT_GT(textPixels(normal, grid.palette().color(QPalette::Text)), 10);
    EXPECT_GT(textPixels(selected, grid.palette().color(QPalette::HighlightedText)), 10);
}

TEST_F(GridColours, LongTextIsCutAtTheCellEdge) {
    grid.SetCells(1, 1, QString(40, QChar(0x2588)));
    const QImage image = Snapshot(grid);
    const QRect next = grid.CellRect(2, 1);
    EXPECT_EQ(At(image, {next.left() - 1, next.center().y()}), QColor(192, 192, 192));
    for (int x = next.left(); x <= next.right(); ++x) {
        ASSERT_EQ(At(image, {x, next.center().y()}), QColor(0, 128, 0)) << "x " << x;
    }
}

TEST_F(GridColours, FocusRectangleSurroundsTheSelectionOnlyWithFocus) {
    const QRect first = grid.CellRect(1, 2);
    const auto focusDots = [&](const QImage& image) {
        int count = 0;
        for (int x = first.left(); x <= first.right(); ++x) {
            count += At(image, {x, first.top()}) == grid.palette().color(QPalette::HighlightedText);
        }
        return count;
    };
    EXPECT_EQ(focusDots(Snapshot(grid)), 0);
    grid.setFocus();
    EXPECT_GT(focusDots(Snapshot(grid)), 10);
}

TEST_F(GridColours, WithoutDefaultDrawingOnlyLinesAndTheHookPaint) {
    grid.SetDefaultDrawing(false);
    grid.SetCells(1, 1, QString(20, QChar(0x2588)));
    const QImage image = Snapshot(grid);
    EXPECT_EQ(CentreColour(image, 0, 0), QColor(0, 128, 0));
    EXPECT_EQ(CentreColour(image, 3, 2), QColor(0, 128, 0));
    EXPECT_EQ(CentreColour(image, 1, 1), QColor(0, 128, 0));
}
