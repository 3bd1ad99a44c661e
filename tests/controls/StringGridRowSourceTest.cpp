// Rows whose texts the grid reads from a source instead of holding them.

#include <gtest/gtest.h>

#include "controls/StringGrid.h"

namespace {

// Entry i, field f reads "f:i".
class NumberedRows : public TGridRowSource {
public:
    explicit NumberedRows(int count) : count_(count) {}
    int Count() const override { return count_; }
    QString Text(int field, int index) const override {
        return QStringLiteral("%1:%2").arg(field).arg(index);
    }

private:
    int count_;
};

}  // namespace

TEST(GridRowSource, RowsShowTheirEntriesAndHeldTextsTakePrecedence) {
    TStringGrid grid;
    grid.SetCells(1, 0, QStringLiteral("header"));
    grid.SetCells(1, 2, QStringLiteral("old"));
    grid.SetRowSource(1, std::make_shared<NumberedRows>(3));
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("header"));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("1:1"));  // the old text went with the source
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("2:2"));
    EXPECT_EQ(grid.Cells(2, 4), QString());  // behind the last entry
    grid.SetCells(2, 3, QString());
    EXPECT_EQ(grid.Cells(2, 3), QString());
    grid.SetCells(2, 1, QStringLiteral("own"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("own"));
    grid.SetRowSource(1, nullptr);
    EXPECT_EQ(grid.Cells(1, 1), QString());
}

TEST(GridRowSource, MovedColumnTakesItsFieldAlongUntilTheNextSource) {
    TStringGrid grid;
    grid.SetRowSource(1, std::make_shared<NumberedRows>(2));
    grid.MoveColumn(1, 3);
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("1:0"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("2:0"));
    grid.SetRowSource(1, std::make_shared<NumberedRows>(2));
    EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("3:0"));
}
