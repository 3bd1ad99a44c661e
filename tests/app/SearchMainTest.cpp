// Searching from the main window: the refusal of an empty search, the grid rows, the result
// box, the width of the first column and where the focus goes.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "qtplatform/AnsiQt.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

// `count` lines whose extension contains "hit", then lines that never match.
std::string DatabaseWithHits(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += ".hit" + std::to_string(i) + ";Hit type;Hit program;Win\r\n";
    }
    return text + ".doc;Word document;Word;Win Mac\r\nabc\r\nabc;Text\r\na;;c;d;e;f\r\n";
}

std::string CellText(const TLumbrafixForm& form, int col, int row) {
    return FromQString(form.StringGridInfo->Cells(col, row));
}

}  // namespace

class SearchTest : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteDatabase(DatabaseWithHits(12));
        OpenWindow();
        boxes.shown.clear();
    }
};

TEST_F(SearchTest, BlankFieldsAreRefusedAndNothingChanges) {
    Search("hit1");
    const THitList before = form->HitList;
    form->HitListFocus = 1;
    Search(" ", "\t", "  ");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "warning");
    EXPECT_EQ(boxes.shown[0].text, LoadStr(form->LanguageBase + txEmptySearch));
    EXPECT_EQ(form->HitList, before);
    EXPECT_EQ(form->lbxSearchItem1->text(), QStringLiteral("hit1"));
    EXPECT_EQ(QApplication::focusWidget(), form->edExtension);
}

TEST_F(SearchTest, HitsFillGridRowsAndResultBox) {
    Search("  DOC ");
    ASSERT_EQ(form->HitList.size(), 1u);
    EXPECT_EQ(form->StringGridInfo->RowCount(), 2);
    EXPECT_EQ(form->StringGridInfo->FixedRows(), 1);
    EXPECT_EQ(CellText(*form, 0, 1), ".doc");
    EXPECT_EQ(CellText(*form, 1, 1), "Word document");
    EXPECT_EQ(CellText(*form, 2, 1), "Word");
    EXPECT_EQ(CellText(*form, 3, 1), "Win Mac");
    EXPECT_EQ(form->lbxSearchItem1->text(), QStringLiteral("DOC"));
    EXPECT_EQ(FromQString(form->lbxSearchValues->text()),
              LoadStr(form->LanguageBase + txSearchTermsCount0 + 1));
    EXPECT_EQ(form->lbxANDOR->text(), QStringLiteral("OR"));
    EXPECT_EQ(FromQString(form->lbxHits->text()), "1 " + LoadStr(form->LanguageBase + txHitWord));
}

TEST_F(SearchTest, ShortLinesFillTheMissingColumnsWithTheirLastField) {
    Search("abc");
    ASSERT_EQ(form->HitList.size(), 2u);
    EXPECT_EQ(CellText(*form, 1, 1), "abc");
    EXPECT_EQ(CellText(*form, 3, 1), "abc");
    EXPECT_EQ(CellText(*form, 2, 2), "Text");
    form->AndLinking = 1;
    Search("a", "", "c");  // "abc" and "a;;c;d;e;f"
    ASSERT_EQ(form->HitList.size(), 2u);
    EXPECT_EQ(CellText(*form, 1, 2), "");
    EXPECT_EQ(CellText(*form, 2, 2), "c");
    EXPECT_EQ(CellText(*form, 3, 2), "d");
    EXPECT_EQ(form->lbxANDOR->text(), QStringLiteral("AND"));
}

TEST_F(SearchTest, FirstColumnNarrowsFromTenHitsOn) {
    Search("hit", "", "");
    EXPECT_EQ(form->StringGridInfo->ColWidths(0), 64);  // 12 hits
    Search("hit1");                                     // hit1, hit10, hit11
    EXPECT_EQ(form->StringGridInfo->ColWidths(0), 80);
    form->StringGridInfo->SetColWidths(1, 111);
    Search("hit");
    EXPECT_EQ(form->StringGridInfo->ColWidths(1), 111);
}

TEST_F(SearchTest, NineHitsKeepTheWideFirstColumnAndTenNarrowIt) {
    for (const auto& [hits, width] : {std::pair{9, 80}, std::pair{10, 64}}) {
        WriteDatabase(DatabaseWithHits(hits));
        OpenWindow();
        Search("hit");
        EXPECT_EQ(form->HitList.size(), static_cast<std::size_t>(hits));
        EXPECT_EQ(form->StringGridInfo->ColWidths(0), width) << hits;
    }
}

TEST_F(SearchTest, NoHitLeavesOneUnfixedRowUntilTheNextHit) {
    Search("zzz");
    EXPECT_TRUE(form->HitList.empty());
    EXPECT_EQ(form->StringGridInfo->RowCount(), 1);
    EXPECT_EQ(form->StringGridInfo->FixedRows(), 0);
    EXPECT_EQ(FromQString(form->lbxHits->text()), "0 " + LoadStr(form->LanguageBase + txHitWord));
    Search("doc");
    EXPECT_EQ(form->StringGridInfo->FixedRows(), 1);
}

TEST_F(SearchTest, FocusGoesToTheGridOnlyWhenAsked) {
    Search("doc");
    EXPECT_EQ(QApplication::focusWidget(), form->edExtension);
    form->HitListFocus = 1;
    Search("doc");
    EXPECT_EQ(QApplication::focusWidget(), form->StringGridInfo);
}

TEST_F(SearchTest, EnterInAFieldStartsTheSearch) {
    form->edFileType->setFocus();
    form->edFileType->setText(QStringLiteral("word"));
    QTest::keyClick(form->edFileType, Qt::Key_Return);
    EXPECT_EQ(form->HitList.size(), 1u);
}

TEST_F(SearchTest, FocusReturnsToTheExtensionFieldAfterTheUpdateDialog) {
    form->btInternetDetails->setFocus();
    QTimer::singleShot(0, form.get(), [] { QApplication::activeModalWidget()->close(); });
    form->btInternetDetailsClick();
    EXPECT_EQ(form->focusWidget(), form->edExtension);
}

TEST_F(SearchTest, EscapeKeepsTheWindowOpen) {
    QTest::keyClick(form->edExtension, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
}

// Faults: fields written by position under a moved column; headings and widths put back by
// position when the captions are refreshed.
TEST_F(SearchTest, RefreshingCaptionsKeepsTheFirstHitUnderTheHeadingsTheUserMoved) {
    form->StringGridInfo->MoveColumn(3, 0);  // the platform column to the front
    Search("hit");
    form->RefreshCaptions();
    EXPECT_EQ(form->StringGridInfo->RowCount(), 2);
    EXPECT_EQ(CellText(*form, 1, 1), ".hit0");
    EXPECT_EQ(CellText(*form, 1, 0), LoadStr(form->LanguageBase + txExtension));
    EXPECT_EQ(CellText(*form, 0, 1), "Win");
    const TEzHitGrid& grid = *form->StringGridInfo;
    EXPECT_EQ(
        (std::vector{grid.ColWidths(0), grid.ColWidths(1), grid.ColWidths(2), grid.ColWidths(3)}),
        (std::vector{80, 80, 190, 195}));
}

TEST_F(SearchTest, ExitButtonReleasesTheListsAndClosesTheWindow) {
    Search("doc");
    form->butExit->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->ExtensionList.empty());
    EXPECT_TRUE(form->HitList.empty());
}
