#pragma once

#include <gtest/gtest.h>

#include "support/RowName.h"

#include <QApplication>
#include <QTest>

#include <string>

#include "controls/StringGrid.h"

// A grid shown in its own window, large enough to show all cells of the default 5 x 5 grid.
template <typename Grid = TStringGrid>
class ShownGridTest : public testing::Test {
protected:
    void SetUp() override {
        grid.resize(400, 300);
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    // Lets the scroll area show or hide its scroll bars after the grid's size changed.
    void Settle() { QApplication::processEvents(); }

    // Centre of a cell in viewport coordinates, the coordinates of all mouse events of the grid.
    QPoint CentreOf(int col, int row) const { return grid.CellRect(col, row).center(); }

    Grid grid;
};
