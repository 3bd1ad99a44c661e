// The search options dialog opened from the main window: presets, texts, the ways it closes
// and what each of them does to the options, the search and the focus.

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "app/SearchOpt.h"
#include "controls/BitBtn.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "qtplatform/AnsiQt.h"
#include "support/RowName.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

// The ways the dialog can close.
using Closing = void (*)(TFormSerachOpt&);
void Ok(TFormSerachOpt& dialog) {
    dialog.btOK->click();
}
void Cancel(TFormSerachOpt& dialog) {
    dialog.btCancel->click();
}
void CloseBox(TFormSerachOpt& dialog) {
    dialog.close();
}
void Escape(TFormSerachOpt& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
}

}  // namespace

class SearchOptionsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteDatabase(".doc;Word document;Word;Win\r\n.docx;Word document;Word;Win\r\n");
        OpenWindow();
        boxes.shown.clear();
    }

    // Opens the dialog through its button; `answer` sees it while it is shown and closes it.
    void OpenOptions(const std::function<void(TFormSerachOpt&)>& answer) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TFormSerachOpt*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "the search options dialog is not shown";
                QApplication::activeModalWidget()->close();
                return;
            }
            answer(*dialog);
        });
        form->btSearchDetails->click();
    }
};

TEST_F(SearchOptionsTest, ShowsThePresetsAndTheTextsOfTheCurrentLanguageAtEveryOpening) {
    for (int base : {1000, 5000}) {
        form->LanguageBase = base;
        form->AndLinking = base == 1000 ? 0 : 1;
        form->HitListFocus = base == 1000 ? 0 : 1;
        OpenOptions([&](TFormSerachOpt& dialog) {
            EXPECT_EQ(FromQString(dialog.windowTitle()), LoadStr(base + txOptTitle));
            EXPECT_EQ(FromQString(dialog.rbHitListSelected->text()),
                      LoadStr(base + txOptFocusHitList));
            EXPECT_EQ(dialog.rbANDSearch->isChecked(), base == 5000);
            EXPECT_EQ(dialog.rbORSearch->isChecked(), base == 1000);
            EXPECT_EQ(dialog.rbHitListSelected->isChecked(), base == 5000);
            EXPECT_EQ(dialog.rbSearchFieldSelected->isChecked(), base == 1000);
            EXPECT_EQ(dialog.focusWidget(), dialog.btOK);
            EXPECT_TRUE(dialog.btOK->isDefault());
            dialog.btCancel->click();
        });
    }
    // Each opening had a dialog of its own, gone once it closed.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<TFormSerachOpt*>(widget), nullptr);
    }
}

struct ClosingRow {
    std::string name;
    QString term;
    bool chooseAndAndHitList;
    Closing how;
    std::uint8_t andLinking;
    std::uint8_t hitListFocus;
    bool searched;
    bool gridFocused;
};

class ClosingTheOptions : public SearchOptionsTest,
                          public ::testing::WithParamInterface<ClosingRow> {};

TEST_P(ClosingTheOptions, ChangesOptionsSearchAndFocusAsChosen) {
    const ClosingRow& row = GetParam();
    form->edFileType->setText(row.term);
    OpenOptions([&](TFormSerachOpt& dialog) {
        if (row.chooseAndAndHitList) {
            dialog.rbANDSearch->setChecked(true);
            dialog.rbHitListSelected->setChecked(true);
        }
        row.how(dialog);
    });
    EXPECT_EQ(form->AndLinking, row.andLinking);
    EXPECT_EQ(form->HitListFocus, row.hitListFocus);
    EXPECT_EQ(!form->lbxHits->text().isEmpty(), row.searched);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(form->focusWidget(), row.gridFocused ? static_cast<QWidget*>(form->StringGridInfo)
                                                   : static_cast<QWidget*>(form->edExtension));
}

INSTANTIATE_TEST_SUITE_P(
    SearchOpt, ClosingTheOptions,
    ::testing::Values(
        ClosingRow{"OkUnchangedRepeatsTheSearch", "Word", false, Ok, 0, 0, true, false},
        ClosingRow{"OkWithHitListFocusSearchesIntoTheGrid", "Word", true, Ok, 1, 1, true, true},
        ClosingRow{"OkWithBlankFieldsNeitherSearchesNorComplains", " \t ", true, Ok, 1, 1, false,
                   false},
        ClosingRow{"CancelKeepsTheOptions", "Word", true, Cancel, 0, 0, false, false},
        ClosingRow{"CloseBoxKeepsTheOptions", "Word", true, CloseBox, 0, 0, false, false},
        ClosingRow{"EscapeKeepsTheOptions", "Word", true, Escape, 0, 0, false, false}),
    RowName());

namespace {

// A language of the test's own: the dialog needs nothing of the main window.
class FixedLanguage : public TWindowLanguage {
public:
    explicit FixedLanguage(int base) : base_(base) {}
    int GetLanguageBase() const override { return base_; }
    std::string GetLanguageName() const override { return base_ == 1000 ? "German" : "English"; }
    void StoreLanguage(const std::string&) override {}

private:
    int base_;
};

}  // namespace

TEST(SearchOptionsAlone, TakesItsTextsFromTheLanguageItIsGiven) {
    for (const int base : {1000, 5000}) {
        FixedLanguage language(base);
        TFormSerachOpt dialog(language, nullptr);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), ToQString(LoadStr(base + txOptTitle)));
        EXPECT_EQ(dialog.rbANDSearch->text(), ToQString(LoadStr(base + txOptAnd)));
    }
}
