#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "MainWindowFixture.h"
#include "app/fFileInfo.h"
#include "controls/BitBtn.h"
#include "lookup/MadeFiles.h"

namespace {

// One application for PNG and PDF, the default for both, that copies the file it is given to
// "opened"; GIO finds it through XDG_DATA_DIRS, read once per process.
const MadeFiles& Desktop() {
    static const MadeFiles desktop("desktop");
    static const bool once = [] {
        desktop.Write("applications/lumbrafix-test-copy.desktop",
                      "[Desktop Entry]\nType=Application\nName=Copy\nExec=cp %f " +
                          desktop.Path("opened") + "\nMimeType=image/png;application/pdf;\n");
        desktop.Write("applications/mimeapps.list",
                      "[Default Applications]\nimage/png=lumbrafix-test-copy.desktop\n"
                      "application/pdf=lumbrafix-test-copy.desktop\n");
        return ::setenv("XDG_DATA_DIRS", (desktop.Path("") + ":/usr/share").c_str(), 1) == 0;
    }();
    EXPECT_TRUE(once);
    return desktop;
}

class FileWindowTest : public MainWindowFixture {
protected:
    FileWindowTest() {
        std::filesystem::remove(Desktop().Path("opened"));
        WriteDatabase(".pdf;Portable Document Format;Reader;Win\n");
        OpenWindow();
    }
    TFormFileInfo& Show(const std::string& path) {
        OpenFileWindow(*form, QString::fromStdString(path));
        return *form->findChildren<TFormFileInfo*>().constLast();
    }
    static bool Opened(int milliseconds = 5000) {
        return QTest::qWaitFor([] { return std::filesystem::exists(Desktop().Path("opened")); },
                               milliseconds);
    }
    MadeFiles files;
};

// Faults: no warning on a PNG named .pdf, or one on a real PDF; opening a disagreeing file
// without asking, or despite a "no"; Open not reaching the default application; a list astray.
TEST_F(FileWindowTest, DisagreeingFileWarnsAndAsksBeforeOpening) {
    TFormFileInfo& window = Show(files.Png("photo.pdf"));
    EXPECT_TRUE(window.lbWarning->isVisible() && window.lbWarning->font().bold());
    EXPECT_TRUE(window.lbWarning->text().contains(QStringLiteral("image/png")) &&
                window.lbxDescription->text().contains(QStringLiteral("PNG image data")));
    EXPECT_TRUE(window.lbxDescription->textInteractionFlags() & Qt::TextSelectableByMouse);
    window.butOpen->click();
    ASSERT_EQ(boxes.shown.size(), 1U);
    EXPECT_FALSE(Opened(300));
    boxes.confirmAnswer = true;
    window.lbApplications->setCurrentRow(0);
    window.butOpenWith->click();
    EXPECT_TRUE(Opened());
}

TEST_F(FileWindowTest, AgreeingFileOpensWithoutQuestionAndCloseKeepsTheMainWindow) {
    TFormFileInfo& window = Show(files.Pdf("Bericht für Ärzte.pdf"));
    EXPECT_FALSE(window.lbWarning->isVisible());
    EXPECT_TRUE(window.lbApplications->y() > window.lbxApplications->y() &&
                window.lbApplications->x() == window.lbxApplications->x());
    window.butOpen->click();
    EXPECT_TRUE(Opened());
    EXPECT_TRUE(boxes.shown.empty());
    window.butClose->click();
    QTest::qWait(0);
    EXPECT_TRUE(form->findChildren<TFormFileInfo*>().isEmpty());
    EXPECT_TRUE(form->isVisible());
}

// Faults: a missing file shown as if it had a type, or offered for opening; the file's name not
// shown; a type that no application opens offered for opening, or its list left without a word.
TEST_F(FileWindowTest, MissingOrUnopenableFileCannotBeOpened) {
    for (const std::string& path : {files.Path("missing.pdf"), files.Elf("program.pdf")}) {
        TFormFileInfo& window = Show(path);
        EXPECT_TRUE(window.lbWarning->isVisible() &&
                    window.lbxFile->text().contains("program.pdf") ==
                        (window.lbApplications->count() == 1));
        EXPECT_FALSE(window.butOpen->isEnabled() || window.butOpenWith->isEnabled() ||
                     window.lbApplications->isEnabled());
    }
}

// Faults: the window put over the main window, off the screen, or not level with it.
TEST(FileWindowPlace, BesideTheMainWindowWhereTheScreenHasRoom) {
    const QRect screen(0, 0, 1280, 1024);
    struct Row {
        QRect mainWindow;
        QRect screen;
        QPoint movedMain;
        QPoint beside;
    };
    const Row rows[] = {
        {{100, 50, 692, 400}, screen, {100, 50}, {800, 50}},  // room on the right, to the pixel
        {{600, 50, 600, 400}, screen, {600, 50}, {112, 50}},  // room on the left only
        {{263, 50, 754, 400}, screen, {38, 50}, {800, 50}},  // room only once the main window moves
        {{100, 50, 754, 400}, {0, 0, 800, 600}, {0, 50}, {320, 50}},  // no room at all
    };
    for (const Row& row : rows) {
        const TSideBySide place = SideBySide(row.mainWindow, row.screen, 480);
        EXPECT_EQ(place.mainWindow, row.movedMain) << row.mainWindow.x();
        EXPECT_EQ(place.beside, row.beside) << row.mainWindow.x();
    }
}

}  // namespace
