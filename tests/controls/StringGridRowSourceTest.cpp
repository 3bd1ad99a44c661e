// Rows whose texts the grid reads from a source instead of holding them.

#include <gtest/gtest.h>

#include "controls/StringGrid.h"

namespace {

// Entry i, field f reads "f:i".
class NumberedRows : public TGridRowSource {
public:
    int Count() const override { return 2; }
    QString Text(int field, int index) const override {
        return QStringLiteral("%1:%2").arg(field).arg(index);
    }
};

}  // namespace

// Faults: a new source written by position under moved columns.
TEST(GridRowSource, ReplacesHeldTextsAndMovesWithItsColumnAlsoForTheNextSource) {
    TStringGrid grid;
    grid.SetCells(1, 0, QStringLiteral("header"));
    grid.SetCells(1, 1, QStringLiteral("old"));
    grid.SetRowSource(1, std::make_shared<NumberedRows>());
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("header"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("1:0"));
    EXPECT_EQ(grid.Cells(1, 3), QString());  // behind the last entry
    grid.MoveColumn(1, 3);
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("1:1"));
    grid.SetRowSource(1, std::make_shared<NumberedRows>());
    EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("1:1"));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("2:1"));
}
