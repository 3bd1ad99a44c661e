#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include <vector>

#include "ShownGrid.h"
#include "controls/StringGrid.h"

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct KeyCase {
    const char* name;
    std::vector<Key> keys;
    int col;
    int row;
};

}  // namespace

// 10 rows with one fixed, 5 columns with one fixed; the current cell starts at column 2, row 3.
class KeyNavigation : public ShownGridTest<>, public testing::WithParamInterface<KeyCase> {
protected:
    void Press() {
        grid.SetRowCount(10);
        grid.SetCol(2);
        grid.SetRow(3);
        for (const Key& key : GetParam().keys) {
            QTest::keyClick(&grid, key.key, key.modifiers);
        }
    }
};

using KeyNavigationRowSelect = KeyNavigation;

TEST_P(KeyNavigationRowSelect, MovesWholeRowsWithinBounds) {
    grid.SetOptions(grid.Options() | goRowSelect);
    Press();
    EXPECT_EQ(grid.Row(), GetParam().row);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, GetParam().row, 4, GetParam().row}));
}

INSTANTIATE_TEST_SUITE_P(
    StringGrid, KeyNavigationRowSelect,
    testing::Values(KeyCase{"Down", {{Qt::Key_Down}}, 0, 4},
                    KeyCase{
                        "UpStopsAtFirstDataRow", {{Qt::Key_Up}, {Qt::Key_Up}, {Qt::Key_Up}}, 0, 1},
                    KeyCase{"DownStopsAtLastRow", std::vector<Key>(8, Key{Qt::Key_Down}), 0, 9},
                    KeyCase{"HomeGoesToFirstRow", {{Qt::Key_Home}}, 0, 1},
                    KeyCase{"EndGoesToLastRow", {{Qt::Key_End}}, 0, 9},
                    KeyCase{"CtrlEnd", {{Qt::Key_End, Qt::ControlModifier}}, 0, 9},
                    KeyCase{"SidewaysKeysKeepTheRow", {{Qt::Key_Left}, {Qt::Key_Right}}, 0, 3},
                    KeyCase{"PageUpStopsAtFirstDataRow", {{Qt::Key_PageUp}}, 0, 1}),
    RowName());

using KeyNavigationCells = KeyNavigation;

TEST_P(KeyNavigationCells, MovesTheCurrentCellWithinBounds) {
    Press();
    EXPECT_EQ(grid.Col(), GetParam().col);
    EXPECT_EQ(grid.Row(), GetParam().row);
    EXPECT_EQ(grid.Selection(), (TGridRect{grid.Col(), grid.Row(), grid.Col(), grid.Row()}));
}

INSTANTIATE_TEST_SUITE_P(
    StringGrid, KeyNavigationCells,
    testing::Values(KeyCase{"Right", {{Qt::Key_Right}}, 3, 3},
                    KeyCase{"LeftStopsBeforeFixedColumn", {{Qt::Key_Left}, {Qt::Key_Left}}, 1, 3},
                    KeyCase{"RightStopsAtLastColumn", std::vector<Key>(5, Key{Qt::Key_Right}), 4,
                            3},
                    KeyCase{"HomeGoesToFirstColumn", {{Qt::Key_Home}}, 1, 3},
                    KeyCase{"EndGoesToLastColumn", {{Qt::Key_End}}, 4, 3},
                    KeyCase{"CtrlHomeGoesToFirstRow", {{Qt::Key_Home, Qt::ControlModifier}}, 2, 1},
                    KeyCase{"CtrlEndGoesToLastRow", {{Qt::Key_End, Qt::ControlModifier}}, 2, 9}),
    RowName());

using StringGridKeys = ShownGridTest<>;

TEST_F(StringGridKeys, ShiftExtendsTheSelectionOnlyWithRangeSelect) {
    grid.SetSelection({2, 2, 2, 2});
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 3, 3}));
    grid.SetOptions(goRowSelect);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 4, 4, 4}));
}

TEST_F(StringGridKeys, PagingKeepsTheCurrentRowFullyInView) {
    grid.SetRowCount(100);
    grid.SetOptions(grid.Options() | goRowSelect);
    const int height = grid.viewport()->height();
    const int page = (height - 25) / 25;  // rows of 24 pixels and a line, under the header
    int expected = 1;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&grid, Qt::Key_PageDown);
        expected += page;
        ASSERT_EQ(grid.Row(), expected);
        const QRect rect = grid.CellRect(1, grid.Row());
        ASSERT_FALSE(rect.isEmpty());
        EXPECT_LE(rect.bottom(), height - 1);
    }
    EXPECT_GT(grid.TopRow(), 1);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(StringGridKeys, OtherKeysAreLeftToTheParent) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &event);
    EXPECT_FALSE(event.isAccepted());
}

class StringGridMouse : public ShownGridTest<> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.clearFocus();  // the active window may have handed it the focus
        ASSERT_FALSE(grid.hasFocus());
    }

    QWidget* view() { return grid.viewport(); }
};

TEST_F(StringGridMouse, LeftPressSelectsTheRowAndFocuses) {
    grid.SetOptions(grid.Options() | goRowSelect);
    QTest::mousePress(view(), Qt::LeftButton, {}, CentreOf(2, 3));
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 3, 4, 3}));
}

TEST_F(StringGridMouse, PressesOnFixedCellsFocusButSelectNothing) {
    QTest::mousePress(view(), Qt::LeftButton, {}, CentreOf(0, 3));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, CentreOf(0, 3));
    QTest::mousePress(view(), Qt::LeftButton, {}, CentreOf(3, 0));
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(StringGridMouse, RightPressFocusesWithoutSelecting) {
    QTest::mousePress(view(), Qt::RightButton, {}, CentreOf(3, 3));
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridMouse, PressBesideTheCellsDoesNothing) {
    QTest::mousePress(view(), Qt::LeftButton, {}, {350, 200});
    EXPECT_FALSE(grid.hasFocus());
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridMouse, DraggingWithRangeSelectExtendsTheSelection) {
    QTest::mousePress(view(), Qt::LeftButton, {}, CentreOf(1, 1));
    QTest::mouseMove(view(), CentreOf(3, 2));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, CentreOf(3, 2));
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_EQ(grid.Col(), 3);
}

TEST_F(StringGridMouse, DoubleClickPassesItsSecondPressToMousePress) {
    grid.SetOptions(goRowSelect);
    QTest::mouseDClick(view(), Qt::LeftButton, {}, CentreOf(1, 4));
    EXPECT_EQ(grid.Row(), 4);
}

// Notes, as a subclass raising an event after a resize would, whether a release ends a resize.
class ReleaseWatchingGrid : public TStringGrid {
public:
    std::vector<bool> releasesEndingResize;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        releasesEndingResize.push_back(IsSizingColumn());
        TStringGrid::mouseReleaseEvent(event);
    }
};

using ColumnSizing = ShownGridTest<ReleaseWatchingGrid>;

TEST_F(ColumnSizing, DraggingAHeaderBorderSetsTheWidth) {
    grid.SetOptions(grid.Options() | goColSizing);
    QWidget* view = grid.viewport();
    const int border = grid.CellRect(1, 0).right() + 1;
    QTest::mousePress(view, Qt::LeftButton, {}, {border - 2, 10});
    EXPECT_TRUE(grid.IsSizingColumn());
    QTest::mouseMove(view, {border + 18, 12});
    EXPECT_EQ(grid.ColWidths(1), 84);
    QTest::mouseRelease(view, Qt::LeftButton, {}, {border + 18, 12});
    EXPECT_FALSE(grid.IsSizingColumn());
    EXPECT_EQ(grid.ColWidths(1), 84);
    EXPECT_EQ(grid.ColWidths(2), 64);
    EXPECT_EQ(grid.releasesEndingResize, std::vector<bool>{true});
}

TEST_F(ColumnSizing, WidthDoesNotGoBelowZero) {
    grid.SetOptions(grid.Options() | goColSizing);
    QWidget* view = grid.viewport();
    const int border = grid.CellRect(2, 0).right() + 1;
    QTest::mousePress(view, Qt::LeftButton, {}, {border + 3, 10});
    QTest::mouseMove(view, {0, 10});
    QTest::mouseRelease(view, Qt::LeftButton, {}, {0, 10});
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.ColWidths(1), 64);
}

TEST_F(ColumnSizing, OnlyHeaderBordersWithTheOptionStartAResize) {
    QWidget* view = grid.viewport();
    const int border = grid.CellRect(1, 0).right() + 1;
    QTest::mousePress(view, Qt::LeftButton, {}, {border, 10});
    EXPECT_FALSE(grid.IsSizingColumn());  // option off
    QTest::mouseRelease(view, Qt::LeftButton, {}, {border, 10});
    grid.SetOptions(grid.Options() | goColSizing);
    QTest::mousePress(view, Qt::LeftButton, {}, {border, 40});
    EXPECT_FALSE(grid.IsSizingColumn());  // data row
    QTest::mouseRelease(view, Qt::LeftButton, {}, {border, 40});
    QTest::mousePress(view, Qt::LeftButton, {}, {border - 4, 10});
    EXPECT_FALSE(grid.IsSizingColumn());  // too far from the border
    QTest::mouseRelease(view, Qt::LeftButton, {}, {border - 4, 10});
    EXPECT_EQ(grid.releasesEndingResize, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(grid.ColWidths(1), 64);
}

class ColumnMoving : public ShownGridTest<> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.SetOptions(grid.Options() | goColMoving);
        for (int col = 0; col < 5; ++col) {
            grid.SetCells(col, 0, QString(QChar('A' + col)));
        }
        grid.SetCells(1, 30, "below the last row");
        grid.SetColWidths(1, 40);
    }

    QString HeaderTexts() const {
        QString texts;
        for (int col = 0; col < grid.ColCount(); ++col) {
            texts += grid.Cells(col, 0);
        }
        return texts;
    }

    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(grid.viewport(), to);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    }
};

TEST_F(ColumnMoving, DraggingAHeaderCellMovesTextsAndWidth) {
    grid.SetCol(1);
    Drag(CentreOf(1, 0), CentreOf(3, 0));
    EXPECT_EQ(HeaderTexts(), "ACDBE");
    EXPECT_EQ(grid.Cells(3, 30), "below the last row");
    EXPECT_EQ(grid.ColWidths(3), 40);
    EXPECT_EQ(grid.ColWidths(1), 64);
    EXPECT_EQ(grid.Col(), 3);  // the current cell stays on its texts
}

TEST_F(ColumnMoving, MoveColumnToTheLeft) {
    grid.MoveColumn(4, 1);
    EXPECT_EQ(HeaderTexts(), "AEBCD");
    EXPECT_EQ(grid.ColWidths(2), 40);
    EXPECT_EQ(grid.Cells(2, 30), "below the last row");
    grid.MoveColumn(1, 5);  // out of range: nothing
    EXPECT_EQ(HeaderTexts(), "AEBCD");
}

TEST_F(ColumnMoving, NoMoveOntoFixedColumnsOrFromBordersOrDataRows) {
    Drag(CentreOf(2, 0), CentreOf(0, 0));
    Drag(CentreOf(2, 2), CentreOf(4, 2));
    grid.SetOptions(grid.Options() | goColSizing);
    const int border = grid.CellRect(2, 0).right() + 1;
    Drag({border, 10}, CentreOf(4, 0));
    EXPECT_EQ(HeaderTexts(), "ABCDE");
}
