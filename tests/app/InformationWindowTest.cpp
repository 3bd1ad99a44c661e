// The information window and the splash: what each mode shows, how the window closes and
// where the focus goes then, the website link, the picture, and the splash at start-up.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <future>
#include <optional>

#include "MainWindowFixture.h"
#include "app/fSplah.h"
#include "controls/BitBtn.h"
#include "controls/ClickLabel.h"
#include "controls/Edit.h"
#include "controls/Ezhitstg_Ext.h"
#include "db/DatabaseLoad.h"
#include "platform/ProductSite.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Application.h"
#include "qtplatform/ApplicationTitle.h"
#include "qtplatform/Browser.h"
#include "resources/ProgramPictures.h"
#include "settings/Settings.h"
#include "support/RowName.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

std::vector<QWidget*> LanguageControls(const TFormSplash& window) {
    return {window.lbxLanguage, window.ComboBoxLanguage, window.butClose};
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

// Faults: the window grown, or off centre, for a wide font; the description or the link
// running past the separator or into each other.
void ExpectDesignedSizeAndTextsWithinTheSeparator(const TFormSplash& window) {
    EXPECT_EQ(window.size(), QSize(433, 444));  // 441 x 470 with its frame
    const QPoint off = window.geometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4);  // the frame's edge
    EXPECT_LT(window.Label3->geometry().right(), window.Label4->x());
    EXPECT_LE(window.Label4->geometry().right(), window.Bevel1->geometry().right());
}

}  // namespace

class InformationWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteDatabase(".doc;Word document;Word;Win\r\n.pdf;Portable document;Reader;Win\r\n");
        OpenWindow();
    }

    // Opens the information window from the main window and runs `action` on it once it is
    // shown modally; returns when the window has closed.
    void WithInformationWindow(const std::function<void(TFormSplash&)>& action) {
        bool ran = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* window = qobject_cast<TFormSplash*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            ran = true;
            action(*window);
        });
        form->btAboutClick();
        EXPECT_TRUE(ran);
    }
};

TEST_F(InformationWindowTest, SplashShowsNoLanguageChoiceAndIgnoresPictureClicks) {
    const std::unique_ptr<TFormSplash> splash = ShowSplash(*form, form.get());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->InformationMode);
    ExpectDesignedSizeAndTextsWithinTheSeparator(*splash);
    for (QWidget* control : LanguageControls(*splash)) {
        EXPECT_FALSE(control->isVisible()) << control->metaObject()->className();
    }
    EXPECT_EQ(FromQString(splash->windowTitle()), LoadStr(form->LanguageBase + txAboutTitle));
    Click(splash->Image1);
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(InformationWindowTest, InformationModeShowsEveryControlAndTheWholePicture) {
    WithInformationWindow([&](TFormSplash& window) {
        for (QWidget* control : LanguageControls(window)) {
            EXPECT_TRUE(control->isVisible()) << control->metaObject()->className();
        }
        EXPECT_EQ(FromQString(window.windowTitle()), LoadStr(form->LanguageBase + txAboutTitle));
        EXPECT_EQ(window.Image1->pixmap().size(), QSize(369, 270));
        for (const auto& [control, designed] :
             {std::pair<QWidget*, QRect>{window.Image1, {24, 8, 377, 273}},
              {window.Bevel1, {24, 384, 393, 4}},
              {window.ComboBoxLanguage, {80, 400, 169, 22}},
              {window.butClose, {328, 400, 86, 25}}}) {
            EXPECT_EQ(control->geometry(), designed) << control->metaObject()->className();
        }
        EXPECT_EQ(window.lbxLanguage->pos(), QPoint(24, 408));
        EXPECT_EQ(window.Label3->pos(), QPoint(24, 336));
        EXPECT_EQ(window.Label4->y(), 336);
        EXPECT_EQ(window.windowType(), Qt::Tool);
        EXPECT_EQ(window.ComboBoxLanguage->view()->sizeHintForRow(0), 16);
        EXPECT_TRUE(window.Label4->font().underline() && window.Label4->autoFillBackground());
        EXPECT_EQ(window.Label4->palette().color(QPalette::WindowText), QColor(Qt::blue));
        window.accept();
    });
}

struct CloseWay {
    std::string name;
    std::function<void(TFormSplash&)> close;
    int result;
};

void PrintTo(const CloseWay& way, std::ostream* out) {
    *out << way.name;
}

class InformationWindowClose : public InformationWindowTest,
                               public testing::WithParamInterface<CloseWay> {};

TEST_P(InformationWindowClose, LeavesTheFocusInTheExtensionField) {
    form->edApp->setFocus();
    int result = -1;
    WithInformationWindow([&](TFormSplash& window) {
        QObject::connect(&window, &QDialog::finished, [&](int code) { result = code; });
        GetParam().close(window);
    });
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(form->focusWidget(), form->edExtension);
}

INSTANTIATE_TEST_SUITE_P(
    InformationWindow, InformationWindowClose,
    testing::Values(
        CloseWay{"CloseButton", [](TFormSplash& w) { Click(w.butClose); }, QDialog::Accepted},
        CloseWay{"PictureClick", [](TFormSplash& w) { Click(w.Image1); }, QDialog::Rejected},
        CloseWay{"Escape", [](TFormSplash& w) { QTest::keyClick(&w, Qt::Key_Escape); },
                 QDialog::Rejected}),
    RowName());

// A stored language, what the window preselects for it and where its link leads.
struct StoredLanguage {
    std::string name;
    std::string stored;
    int preselected;
    std::string query;
};

void PrintTo(const StoredLanguage& row, std::ostream* out) {
    *out << row.name;
}

class InformationWindowLanguage : public MainWindowFixture,
                                  public testing::WithParamInterface<StoredLanguage> {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteStoredLanguage(GetParam().stored));
        WriteDatabase(".doc;Word document;Word;Win\r\n");
        OpenWindow();
    }
};

TEST_P(InformationWindowLanguage, PreselectsTheListAndLinksToTheWebsiteInThatLanguage) {
    std::vector<std::string> opened;
    const ScopedBrowserOpener browser([&](const std::string& url) { opened.push_back(url); });
    TFormSplash window(*form, form.get());
    window.SetInformationMode(true);
    window.show();
    ExpectDesignedSizeAndTextsWithinTheSeparator(window);
    EXPECT_EQ(window.ComboBoxLanguage->currentIndex(), GetParam().preselected);
    Click(window.Label4);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "http://" + ProductHost() + "/index.php?" + GetParam().query);
    EXPECT_EQ(ReadStoredLanguage(), GetParam().stored);  // preselecting stores nothing
}

INSTANTIATE_TEST_SUITE_P(
    InformationWindow, InformationWindowLanguage,
    testing::Values(StoredLanguage{"German", "German", 0, "changelanguage=049"},
                    StoredLanguage{"English", "English", 1, "changelanguage=044"},
                    StoredLanguage{"GermanWithLeadingBlank", " German", 1, "changelanguage=044"},
                    StoredLanguage{"LowerCaseGerman", "german", 1, "changelanguage=044"}),
    RowName());

// A language change in the window reaches the main window when the window closes.
struct LanguageSwitch {
    std::string name;
    std::string start;
    std::vector<int> picks;  // list entries chosen one after the other
    int base;                // the main window's language base afterwards
};

void PrintTo(const LanguageSwitch& row, std::ostream* out) {
    *out << row.name;
}

class InformationWindowSwitch : public InformationWindowTest,
                                public testing::WithParamInterface<LanguageSwitch> {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteStoredLanguage(GetParam().start));
        InformationWindowTest::SetUp();
    }
};

TEST_P(InformationWindowSwitch, StoresEachChoiceAndRecaptionsAfterClosing) {
    Search("doc");
    const std::string startTitle = ApplicationTitle();
    std::vector<std::string> stored;
    WithInformationWindow([&](TFormSplash& window) {
        const QString description = window.Label3->text();
        for (const int pick : GetParam().picks) {
            window.ComboBoxLanguage->setCurrentIndex(pick);
            emit window.ComboBoxLanguage->activated(pick);
            stored.push_back(ReadStoredLanguage().value_or(""));
        }
        EXPECT_EQ(window.Label3->text(), description);  // the open window keeps its texts
        Click(window.butClose);
    });
    std::vector<std::string> expected;
    for (const int pick : GetParam().picks) {
        expected.push_back(pick == 0 ? "German" : "English");
    }
    EXPECT_EQ(stored, expected);
    ASSERT_EQ(form->GetLanguageBase(), GetParam().base);
    EXPECT_EQ(FromQString(form->butSearch->text()), LoadStr(GetParam().base + txSearch));
    EXPECT_EQ(FromQString(form->StringGridInfo->Cells(0, 0)),
              LoadStr(GetParam().base + txExtension));
    // The search ran again: its summary speaks the new language and the hit is back in row 1.
    EXPECT_EQ(FromQString(form->lbxSearchValues->text()),
              LoadStr(GetParam().base + txSearchTermsCount0 + 1));
    EXPECT_EQ(form->StringGridInfo->Cells(0, 1), QStringLiteral(".doc"));
    EXPECT_EQ(ApplicationTitle(), startTitle);
    EXPECT_EQ(form->focusWidget(), form->edExtension);
}

INSTANTIATE_TEST_SUITE_P(InformationWindow, InformationWindowSwitch,
                         testing::Values(LanguageSwitch{"GermanToEnglish", "German", {1}, 5000},
                                         LanguageSwitch{"EnglishToGerman", "English", {0}, 1000},
                                         LanguageSwitch{
                                             "EnglishAndBackToGerman", "German", {1, 0}, 1000}),
                         RowName());

TEST(InformationWindowPicture, DamagedFileGivesNoPicture) {
    EXPECT_TRUE(DecodePicture(QByteArray()).isNull());
    EXPECT_TRUE(DecodePicture(QByteArray("\xFF\xD8\xFF\xE0 not a picture")).isNull());
}

// Sees the splash appear and counts its paints; `onPainted` runs at each.
class SplashWatch : public QObject {
public:
    explicit SplashWatch(std::function<void(QWidget&)> onPainted = [](QWidget&) {})
        : onPainted_(std::move(onPainted)) {
        qApp->installEventFilter(this);
    }
    ~SplashWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* splash = qobject_cast<TFormSplash*>(watched);
        if (splash == nullptr) {
            return false;
        }
        shown = shown || event->type() == QEvent::Show;
        if (event->type() == QEvent::Paint) {
            ++paints;
            onPainted_(*splash);
        }
        return false;
    }

    bool shown = false;
    int paints = 0;

private:
    std::function<void(QWidget&)> onPainted_;
};

// Faults: no splash while a load makes the user wait, or one for a load already done; the
// splash not repainted while it waits (left white when covered); the splash or the hourglass
// left behind; the load's lines lost on the way to the window.
class SplashAtStart : public MainWindowFixture {
protected:
    void Start(std::future<std::optional<TStringList>> load) {
        form = std::make_unique<TLumbrafixForm>(Folder());
        form->FormCreate(std::move(load));
    }
};

TEST_F(SplashAtStart, IsPaintedWhileTheLoadRunsAndGoneAfterIt) {
    WriteDatabase(".doc;Word document;Word;Win\r\n.pdf;Portable document;Reader;Win\r\n");
    std::promise<std::optional<TStringList>> load;
    // The load ends at the splash's second paint, which the first one asks for.
    const SplashWatch watch([&](QWidget& splash) {
        if (watch.paints == 1) {
            splash.update();
        } else if (watch.paints == 2) {
            load.set_value(LoadDatabaseFile(DatabasePath()));
        }
    });
    Start(load.get_future());
    EXPECT_GE(watch.paints, 2);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<TFormSplash*>(window), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->ExtensionList.size(), 2u);
}

TEST_F(SplashAtStart, StaysAwayWhenTheLoadIsDoneInTime) {
    WriteDatabase(".doc;Word document;Word;Win\r\n");
    std::promise<std::optional<TStringList>> load;
    load.set_value(LoadDatabaseFile(DatabasePath()));
    const SplashWatch watch;
    Start(load.get_future());
    EXPECT_FALSE(watch.shown);
    EXPECT_EQ(form->ExtensionList.size(), 1u);
}
