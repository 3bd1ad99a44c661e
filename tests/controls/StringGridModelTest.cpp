#include <gtest/gtest.h>

#include <QScrollBar>

#include "ShownGrid.h"
#include "controls/StringGrid.h"

TEST(StringGridDefaults, MatchTheClassicGrid) {
    TStringGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_EQ(grid.ColWidths(4), 64);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.Options(),
              goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
    EXPECT_EQ(grid.Color(), QColor(Qt::white));
    EXPECT_EQ(grid.FixedColor(), grid.palette().color(QPalette::Button));
    EXPECT_TRUE(grid.DefaultDrawing());
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

struct FixedRowsCase {
    const char* name;
    int fixedBefore;
    int rowCount;
    int fixedAfter;
};

class RowCountLowering : public testing::TestWithParam<FixedRowsCase> {};

TEST_P(RowCountLowering, KeepsFixedRowsBelowRowCount) {
    TStringGrid grid;
    grid.SetRowCount(6);
    grid.SetFixedRows(GetParam().fixedBefore);
    grid.SetRowCount(GetParam().rowCount);
    EXPECT_EQ(grid.FixedRows(), GetParam().fixedAfter);
    EXPECT_EQ(grid.RowCount(), std::max(1, GetParam().rowCount));
}

INSTANTIATE_TEST_SUITE_P(StringGrid, RowCountLowering,
                         testing::Values(FixedRowsCase{"AboveFixedKeepsThem", 1, 2, 1},
                                         FixedRowsCase{"ToFixedCountDropsOne", 3, 3, 2},
                                         FixedRowsCase{"BelowFixedCountDropsToCountMinusOne", 3, 2,
                                                       1},
                                         FixedRowsCase{"OneRowHasNoFixedRow", 1, 1, 0},
                                         FixedRowsCase{"ZeroRowsMeansOneUnfixed", 2, 0, 0}),
                         RowName());

TEST(StringGridCounts, LoweringColCountDropsFixedColsLikeRows) {
    TStringGrid grid;
    grid.SetFixedCols(2);
    grid.SetColCount(2);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetColCount(1);
    EXPECT_EQ(grid.FixedCols(), 0);
}

TEST(StringGridCounts, FixedCountsNotBelowTheCountAreIgnored) {
    TStringGrid grid;
    grid.SetFixedRows(5);
    grid.SetFixedCols(7);
    grid.SetFixedRows(-1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    grid.SetFixedRows(4);
    EXPECT_EQ(grid.FixedRows(), 4);
}

TEST(StringGridCells, TextsOutsideTheShrunkGridComeBack) {
    TStringGrid grid;
    grid.SetCells(4, 4, "corner");
    grid.SetCells(9, 30, "far");
    grid.SetRowCount(2);
    grid.SetColCount(2);
    EXPECT_EQ(grid.Cells(4, 4), "corner");
    grid.SetRowCount(5);
    grid.SetColCount(5);
    EXPECT_EQ(grid.Cells(4, 4), "corner");
    EXPECT_EQ(grid.Cells(9, 30), "far");
    EXPECT_EQ(grid.Cells(3, 3), "");
    EXPECT_EQ(grid.Cells(-1, 0), "");
}

TEST(StringGridCells, CurrentCellStaysInsideTheNonFixedCells) {
    TStringGrid grid;
    grid.SetRow(4);
    grid.SetCol(3);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Row(), 2);
    grid.SetFixedCols(3);
    EXPECT_EQ(grid.Col(), 3);
    grid.SetFixedCols(4);
    EXPECT_EQ(grid.Col(), 4);
    grid.SetRow(0);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(StringGridCells, ReAddedColumnsGetTheDefaultWidth) {
    TStringGrid grid;
    grid.SetColWidths(4, 10);
    grid.SetColCount(4);
    grid.SetColCount(5);
    EXPECT_EQ(grid.ColWidths(4), 64);
    EXPECT_EQ(grid.ColWidths(5), 0);
    grid.SetColWidths(2, -5);
    EXPECT_EQ(grid.ColWidths(2), 0);
}

TEST(StringGridSelection, SetSelectionSetsAnchorAndCurrentClamped) {
    TStringGrid grid;
    grid.SetRowCount(10);
    grid.SetSelection({2, 7, 3, 3});
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 7}));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3);
    grid.SetSelection({0, 0, 99, 99});
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 4, 9}));
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.SetSelection({2, 4, 3, 5});  // whole rows only once the current cell moves on
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 4, 3, 5}));
    grid.SetRow(6);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 6, 4, 6}));
}

using StringGridGeometry = ShownGridTest<>;

TEST_F(StringGridGeometry, CellRectsLeaveOnePixelForEachGridLine) {
    grid.SetColWidths(1, 10);
    EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 64, 24));
    EXPECT_EQ(grid.CellRect(1, 0), QRect(65, 0, 10, 24));
    EXPECT_EQ(grid.CellRect(2, 1), QRect(76, 25, 64, 24));
    EXPECT_EQ(grid.CellRect(4, 4), QRect(206, 100, 64, 24));
    EXPECT_EQ(grid.CellRect(5, 0), QRect());
    EXPECT_EQ(grid.CellRect(-1, 0), QRect());
}

TEST_F(StringGridGeometry, WithoutLinesCellsTouch) {
    grid.SetOptions(goRowSelect);
    EXPECT_EQ(grid.CellRect(2, 1), QRect(128, 24, 64, 24));
    grid.SetOptions(goFixedVertLine);  // any vertical line option keeps the vertical gaps
    EXPECT_EQ(grid.CellRect(2, 1), QRect(130, 24, 64, 24));
}

struct HitCase {
    const char* name;
    QPoint pos;
    int col;
    int row;
};

class MouseToCellTest : public ShownGridTest<>, public testing::WithParamInterface<HitCase> {};

TEST_P(MouseToCellTest, FindsCellOrMinusOne) {
    int col = 7;
    int row = 7;
    grid.MouseToCell(GetParam().pos, col, row);
    EXPECT_EQ(col, GetParam().col);
    EXPECT_EQ(row, GetParam().row);
}

// Columns start at x = 0, 65, 130, 195, 260 and rows at y = 0, 25, 50, 75, 100.
INSTANTIATE_TEST_SUITE_P(StringGrid, MouseToCellTest,
                         testing::Values(HitCase{"TopLeftPixel", {0, 0}, 0, 0},
                                         HitCase{"LastPixelOfFirstCell", {63, 23}, 0, 0},
                                         HitCase{"VerticalLineCountsToCellBefore", {64, 10}, 0, 0},
                                         HitCase{"FirstPixelOfSecondColumn", {65, 10}, 1, 0},
                                         HitCase{"HorizontalLineCountsToRowAbove", {70, 49}, 1, 1},
                                         HitCase{"LastCell", {323, 123}, 4, 4},
                                         HitCase{"LineAfterLastCell", {324, 124}, 4, 4},
                                         HitCase{"RightOfAllColumns", {325, 10}, -1, -1},
                                         HitCase{"BelowAllRows", {10, 125}, -1, -1},
                                         HitCase{"LeftOfViewport", {-1, 10}, -1, -1},
                                         HitCase{"AboveViewport", {10, -1}, -1, -1}),
                         RowName());

TEST_F(StringGridGeometry, ScrollingKeepsFixedRowsAndColumnsInPlace) {
    grid.SetRowCount(100);
    grid.SetColCount(20);
    Settle();
    ASSERT_TRUE(grid.verticalScrollBar()->isVisible());
    ASSERT_TRUE(grid.horizontalScrollBar()->isVisible());
    grid.SetTopRow(10);
    grid.SetLeftCol(3);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(grid.LeftCol(), 3);
    EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 64, 24));
    EXPECT_EQ(grid.CellRect(3, 10), QRect(65, 25, 64, 24));
    EXPECT_EQ(grid.CellRect(0, 10), QRect(0, 25, 64, 24));
    EXPECT_EQ(grid.CellRect(2, 9), QRect());
    int col = -1;
    int row = -1;
    grid.MouseToCell({70, 30}, col, row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 10);
}

TEST_F(StringGridGeometry, ScrollingStopsWhenTheLastRowIsFullyShown) {
    grid.SetRowCount(100);
    grid.SetTopRow(1000);
    const QRect last = grid.CellRect(1, 99);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_LE(last.bottom(), grid.viewport()->height() - 1);
    EXPECT_GT(last.bottom() + 25, grid.viewport()->height() - 1);  // one row less would not fit
    grid.SetTopRow(-5);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(StringGridGeometry, NoScrollBarsWhenEverythingFits) {
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}
