// The hit grid's mouse and key rules: the row pick in column 0, the double-click events on
// rows 0 and 1, the end of a column resize, Ctrl+A and Ctrl+C.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>

#include <string>
#include <vector>

#include "ShownGrid.h"
#include "controls/Ezhitstg_Ext.h"

namespace {

enum class Press { Single, Double };

struct MouseCase {
    const char* name;
    bool easy220;
    Press press;
    Qt::MouseButton button;
    int col;  // -1: beside the cells
    int row;
    int currentRow;  // after the press; the grid starts on row 5
    std::vector<std::string> events;
};

}  // namespace

// Four columns without fixed ones, a header row and ten hits, as the main window shows them.
class HitGridInput : public ShownGridTest<TEzHitGrid> {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid.SetColCount(4);
        grid.SetRowCount(11);
        grid.SetFixedCols(0);
        grid.OnSortHitListCol = [this](QObject*, int col) {
            events.push_back("sort " + std::to_string(col));
        };
        grid.OnDeactivateSortHitList = [this](QObject*) { events.push_back("deactivate"); };
        grid.OnCallHitListConfig = [this](QObject*) { events.push_back("config"); };
        grid.OnColSizing = [this](QObject*) { events.push_back("sized"); };
    }

    void Send(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &event);
    }

    std::vector<std::string> events;
};

class HitGridMouse : public HitGridInput, public testing::WithParamInterface<MouseCase> {};

TEST_P(HitGridMouse, PressesFollowTheRules) {
    const MouseCase& c = GetParam();
    grid.SetEASY_220(c.easy220);
    grid.SetRow(5);
    grid.clearFocus();
    const QPoint at = c.col < 0 ? QPoint(390, 290) : CentreOf(c.col, c.row);
    Send(c.press == Press::Double ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress,
         c.button, at);
    Send(QEvent::MouseButtonRelease, c.button, at);
    EXPECT_EQ(grid.Row(), c.currentRow);
    EXPECT_EQ(events, c.events);
    // A consumed press (one that raised an event) and a press beside the cells give no focus.
    EXPECT_EQ(grid.hasFocus(), c.col >= 0 && c.events.empty());
}

constexpr auto L = Qt::LeftButton;
constexpr auto R = Qt::RightButton;
INSTANTIATE_TEST_SUITE_P(
    HitGrid, HitGridMouse,
    testing::Values(
        MouseCase{"RightPressInColumn0PicksRow", false, Press::Single, R, 0, 3, 3, {}},
        MouseCase{"RightPressInColumn0OfRow1KeepsRow", false, Press::Single, R, 0, 1, 5, {}},
        MouseCase{"RightPressInColumn0OfRow2PicksRow", false, Press::Single, R, 0, 2, 2, {}},
        MouseCase{"RightPressInColumn2KeepsRow", false, Press::Single, R, 2, 3, 5, {}},
        MouseCase{"LeftPressSelectsRow", false, Press::Single, L, 2, 7, 7, {}},
        MouseCase{"PressBesideTheCellsDoesNothing", false, Press::Single, L, -1, -1, 5, {}},
        MouseCase{"DoubleClickOnHeaderSorts", false, Press::Double, L, 2, 0, 5, {"sort 2"}},
        MouseCase{"DoubleClickOnHeaderColumn1Sorts", false, Press::Double, L, 1, 0, 5, {"sort 1"}},
        MouseCase{"DoubleClickOnFirstHeaderCell", false, Press::Double, L, 0, 0, 5, {"deactivate"}},
        MouseCase{"DoubleClickOnRow1CallsConfig", false, Press::Double, L, 3, 1, 5, {"config"}},
        MouseCase{
            "DoubleClickOnRow1Column1CallsConfig", false, Press::Double, L, 1, 1, 5, {"config"}},
        MouseCase{"DoubleClickInColumn0OfRow1IsAPress", false, Press::Double, L, 0, 1, 1, {}},
        MouseCase{"RightDoubleClickOnHeaderRaisesNothing", false, Press::Double, R, 2, 0, 5, {}},
        MouseCase{"EasyRightPressInColumn0KeepsRow", true, Press::Single, R, 0, 3, 5, {}},
        MouseCase{"EasyDoubleClickOnHeaderRaisesNothing", true, Press::Double, L, 2, 0, 5, {}}),
    RowName());

TEST_F(HitGridInput, ReleaseAfterAColumnResizeIsAnnounced) {
    const QRect header = grid.CellRect(1, 0);
    const QPoint border(header.right() + 1, header.center().y());
    Send(QEvent::MouseButtonPress, Qt::LeftButton, border);
    Send(QEvent::MouseMove, Qt::LeftButton, border + QPoint(30, 0));
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, border + QPoint(30, 0));
    EXPECT_EQ(grid.ColWidths(1), header.width() + 30);
    EXPECT_EQ(events, std::vector<std::string>{"sized"});

    Send(QEvent::MouseButtonPress, Qt::LeftButton, CentreOf(2, 4));
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, CentreOf(2, 4));
    EXPECT_EQ(events.size(), 1u);
}

namespace {

struct SelectAllCase {
    const char* name;
    int rows;
    Qt::KeyboardModifiers modifiers;
    TGridRect selection;
};

}  // namespace

class HitGridSelectAll : public HitGridInput, public testing::WithParamInterface<SelectAllCase> {};

// The selection starts on column 2, row 1. Faults: column 0 taken in by whole-row selection.
TEST_P(HitGridSelectAll, SelectsFromColumn1Row2ToTheLastCell) {
    grid.SetRowCount(GetParam().rows);
    grid.SetSelection({2, 1, 2, 1});
    QTest::keyClick(&grid, Qt::Key_A, GetParam().modifiers);
    EXPECT_EQ(grid.Selection(), GetParam().selection);
    EXPECT_EQ(grid.Col(), GetParam().selection.Right);
    EXPECT_EQ(grid.Row(), GetParam().selection.Bottom);
}

INSTANTIATE_TEST_SUITE_P(
    HitGrid, HitGridSelectAll,
    testing::Values(SelectAllCase{"TenHits", 11, Qt::ControlModifier, {1, 2, 3, 10}},
                    SelectAllCase{"ShiftAndAltDoNotMatter",
                                  11,
                                  Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier,
                                  {1, 2, 3, 10}},
                    SelectAllCase{"TwoHits", 3, Qt::ControlModifier, {1, 2, 3, 2}},
                    SelectAllCase{"OneHitKeepsTheSelection", 2, Qt::ControlModifier, {2, 1, 2, 1}},
                    SelectAllCase{"PlainAKeepsTheSelection", 11, Qt::NoModifier, {2, 1, 2, 1}}),
    RowName());

// Faults: only the selected cells copied instead of whole rows; the header missing or copied
// twice when the selection covers it; a row too many or too few; the clipboard overwritten
// when no hit is selected.
TEST_F(HitGridInput, CtrlCCopiesSelectedHitsWithTheHeaderFirst) {
    for (int cell = 0; cell < 44; ++cell) {
        grid.SetCells(cell % 4, cell / 4, QStringLiteral("%1.%2").arg(cell / 4).arg(cell % 4));
    }
    const auto copy = [this](TGridRect selection) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        grid.SetSelection(selection);
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    };
    const QString header = QStringLiteral("0.0\t0.1\t0.2\t0.3\n");
    EXPECT_EQ(copy({2, 3, 2, 4}), header + "3.0\t3.1\t3.2\t3.3\n4.0\t4.1\t4.2\t4.3\n");
    EXPECT_EQ(copy({0, 0, 3, 1}), header + "1.0\t1.1\t1.2\t1.3\n");
    EXPECT_EQ(copy({1, 10, 1, 10}), header + "10.0\t10.1\t10.2\t10.3\n");
    grid.SetRowCount(1);
    EXPECT_EQ(copy({0, 0, 0, 0}), QStringLiteral("before"));
}

// A plain string grid leaves Ctrl+A to its window; the hit grid keeps it.
TEST_F(HitGridInput, CtrlAStaysWithTheGrid) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &event);
    EXPECT_TRUE(event.isAccepted());
}
