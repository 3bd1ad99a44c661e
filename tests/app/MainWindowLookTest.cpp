// The main window as rendered: label colours and weights, plain-text labels, and the whole
// check box caption in both languages.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <cstdlib>

#include "MainWindowFixture.h"
#include "app/DialogFrame.h"
#include "app/Startup.h"
#include "controls/BitBtn.h"
#include "controls/Ezhitstg_Ext.h"
#include "support/RowName.h"
#include "text/Language.h"

namespace {

struct LabelLook {
    const char* name;
    QLabel* TLumbrafixForm::*label;
    QColor ink;
    bool bold;
};

// Whether a pixel is of `colour` give or take the smoothing of glyph edges.
bool NearColour(const QColor& pixel, const QColor& colour) {
    constexpr int kTolerance = 64;
    return std::abs(pixel.red() - colour.red()) < kTolerance &&
           std::abs(pixel.green() - colour.green()) < kTolerance &&
           std::abs(pixel.blue() - colour.blue()) < kTolerance;
}

// Pixels of about `colour` inside a widget, as it shows in the grabbed window.
int CountPixels(const QImage& window, QWidget* form, QWidget* widget, const QColor& colour) {
    const QRect area(widget->mapTo(form, QPoint(0, 0)), widget->size());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += NearColour(window.pixelColor(x, y), colour) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class MainWindowLook : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteDatabase(
            ".doc;Word document;Word;Win Mac\r\n.docx;Word 2007;Word;Win\r\n"
            ".odt;Text;LibreOffice;Win Mac Unix\r\n");
        OpenWindow();
        Search("o");
    }

    QImage Rendered() { return form->grab().toImage(); }
};

class LabelLooks : public MainWindowLook, public testing::WithParamInterface<LabelLook> {};

TEST_P(LabelLooks, ShowTheirDesignedColourAndWeight) {
    QLabel* label = form.get()->*GetParam().label;
    ASSERT_FALSE(label->text().isEmpty());
    EXPECT_EQ(QFontInfo(label->font()).bold(), GetParam().bold);
    const QImage window = Rendered();
    EXPECT_GT(CountPixels(window, form.get(), label, GetParam().ink), 3);
    const QColor other = GetParam().ink == Qt::red ? Qt::black : Qt::red;
    EXPECT_EQ(CountPixels(window, form.get(), label, other), 0);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, LabelLooks,
    testing::Values(LabelLook{"Extension", &TLumbrafixForm::lbxExtension, Qt::black, true},
                    LabelLook{"FileType", &TLumbrafixForm::lbxFileType, Qt::black, true},
                    LabelLook{"Program", &TLumbrafixForm::lbxApp, Qt::black, true},
                    LabelLook{"CountInfo", &TLumbrafixForm::lbxCountInfo, Qt::black, false},
                    LabelLook{"InternetUpdate", &TLumbrafixForm::lbInternetUpd, Qt::black, false},
                    LabelLook{"SearchOptions", &TLumbrafixForm::lbSearchOpt, Qt::black, false},
                    LabelLook{"SearchValues", &TLumbrafixForm::lbxSearchValues, Qt::black, true},
                    LabelLook{"HitCount", &TLumbrafixForm::lbxHits, Qt::red, true}),
    RowName());

TEST_F(MainWindowLook, BoldCaptionsHaveTheHeightOfTheWindowsText) {
    for (const QLabel* caption : {form->lbxExtension, form->lbxFileType, form->lbxApp,
                                  form->lbxSearchValues, form->lbxResult}) {
        EXPECT_EQ(caption->font().pixelSize(), form->font().pixelSize())
            << caption->text().toStdString();
    }
}

TEST_F(MainWindowLook, SearchTermsShowAsTypedNotAsMarkup) {
    Search("<h1>o</h1>", "<b>x</b>");
    EXPECT_EQ(form->lbxSearchItem1->text(), QStringLiteral("<h1>o</h1>"));
    EXPECT_EQ(form->lbxSearchItem1->textFormat(), Qt::PlainText);
    // Shown as markup, the heading would be far higher than the line it stands on.
    EXPECT_LT(form->lbxSearchItem1->height(), 20);
    EXPECT_EQ(form->lbxSearchItem2->text(), QStringLiteral("<b>x</b>"));
}

// Faults: the window off centre, at another size or in another font than designed.
TEST_F(MainWindowLook, WindowIsCentredAtItsDesignedSizeAndFont) {
    EXPECT_EQ(form->size(), QSize(754, 536));
    const QPoint off = form->geometry().center() - form->screen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4);  // the frame's edge
    EXPECT_EQ(form->font().pixelSize(), 11);
}

// Faults: a long term runs across the result box's frame, or is cut without an ellipsis.
TEST_F(MainWindowLook, LongSearchTermIsCutWithAnEllipsisInsideTheResultBox) {
    Search(QString(60, QLatin1Char('o')));
    const QLabel* item = form->lbxSearchItem1;
    EXPECT_EQ(item->geometry().right() + 1, form->gbResultInfo->width() - item->x());
    EXPECT_TRUE(item->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(item->toolTip().size(), 60);  // shown whole there
}

TEST_F(MainWindowLook, ContextMenuCaptionShowsWholeInBothLanguages) {
    for (const int base : {LanguageBaseFor("German"), LanguageBaseFor("English")}) {
        form->LanguageBase = base;
        form->RefreshCaptions();
        const QCheckBox* box = form->CheckBoxContexMenu;
        EXPECT_GE(box->width(), box->sizeHint().width()) << base;
        EXPECT_LT(box->geometry().right(), form->butExit->x()) << base;
    }
}

// Faults: a style that draws the frame below the title instead of through its middle.
TEST_F(MainWindowLook, GroupBoxTitlesSitOnTheFrameLine) {
    for (QGroupBox* box : {form->gbOptions, form->gbResultInfo}) {
        const QImage image = box->grab().toImage();
        const int x = box->width() - 9;  // right of the title
        int line = 0;
        while (image.pixelColor(x, line) == image.pixelColor(x, 0)) {
            ++line;
        }
        EXPECT_EQ(line, box->fontMetrics().height() / 2 - 1) << box->x();
        const QColor ground = image.pixelColor(x, 0);
        EXPECT_EQ(image.pixelColor(7, line), ground);  // cleared just left of the title
        for (const QPoint edge : {QPoint(0, 60), QPoint(x + 8, 60), QPoint(x, box->height() - 1)}) {
            EXPECT_NE(image.pixelColor(edge), ground) << box->x();
        }
        const QColor etch = image.pixelColor(0, 60);  // the same etched line on every side
        EXPECT_EQ(image.pixelColor(box->width() - 2, 60), etch);
        EXPECT_EQ(image.pixelColor(x, box->height() - 2), etch);
    }
}

TEST(FitToWidth, KeepsATextThatFitsExactlyAndCutsOnePixelLess) {
    QLabel label(QStringLiteral("Suchbegriffsverkn\u00fcpfung"));
    label.adjustSize();
    const QString whole = label.text();
    const int width = label.width();
    FitToWidth(label, width);
    EXPECT_EQ(label.text(), whole);
    EXPECT_TRUE(label.toolTip().isEmpty());
    FitToWidth(label, width - 1);
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026)));
    EXPECT_EQ(label.toolTip(), whole);
    EXPECT_EQ(label.width(), width - 1);
}

// The layout's lines, not its numbers: a control that slips off its line shows at once.
TEST_F(MainWindowLook, ControlsKeepTheirLines) {
    TLumbrafixForm& w = *form;
    // One left margin for the search panel, the hit grid and the check box below it.
    EXPECT_EQ(w.StringGridInfo->x(), w.SearchPanel->x());
    EXPECT_EQ(w.CheckBoxContexMenu->x(), w.SearchPanel->x());
    // Each settings row's caption stands at the same height against its Details button.
    const int offset = w.lbInternetUpd->y() - w.btInternetDetails->y();
    EXPECT_EQ(w.lbSearchOpt->y() - w.btSearchDetails->y(), offset);
    EXPECT_EQ(w.lbLanguage->y() - w.btAbout->y(), offset);
    // The result box's lines start at one left edge.
    for (QLabel* line : {w.lbxSearchItem1, w.lbxSearchItem2, w.lbxSearchItem3, w.lbxSearchANDOR,
                         w.lbxANDOR, w.lbxResult, w.lbxHits}) {
        EXPECT_EQ(line->x(), w.lbxSearchValues->x());
    }
}

// Faults: a size of the program's icon unreadable (and so missing from every window frame).
TEST(ProgramIcon, HoldsEverySizeTheFramesAndTaskListsUse) {
    SetProgramIcon();
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}
