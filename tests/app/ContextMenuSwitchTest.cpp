// The context-menu check box of the main window: its start state from the stored choice, and
// a file named on the command line being looked up.

#include <QCheckBox>
#include <QLabel>

#include "MainWindowFixture.h"
#include "app/CommandLine.h"
#include "controls/Edit.h"
#include "platform/Registry.h"
#include "settings/ContextMenu.h"
#include "settings/Settings.h"
#include "support/RowName.h"

namespace {

struct StartRow {
    std::string name;
    std::optional<std::string> stored;  // nothing: no value stored
    bool checked;
};

std::string RegistrationValue() {
    TRegistry registry(HKEY_CLASSES_ROOT);
    return registry.OpenKey(kContextMenuHandlerKey, false) ? registry.ReadString("") : "(none)";
}

}  // namespace

class ContextMenuStart : public MainWindowFixture,
                         public ::testing::WithParamInterface<StartRow> {};

TEST_P(ContextMenuStart, OnlyExactlyYesChecksTheBoxAndRewritesTheRegistration) {
    const StartRow& row = GetParam();
    if (row.stored) {
        WriteSetting("ContextMenuEnabled", *row.stored);
    }
    {
        // A registration that some other user's choice left behind, with a stale value.
        TRegistry registry(HKEY_CLASSES_ROOT);
        ASSERT_TRUE(registry.OpenKey(kContextMenuHandlerKey, true));
        registry.WriteString("", "{stale}");
    }
    WriteDatabase("");
    OpenWindow();
    EXPECT_EQ(form->CheckBoxContexMenu->isChecked(), row.checked);
    EXPECT_EQ(RegistrationValue(), row.checked ? kContextMenuHandlerClassId : "{stale}");
    EXPECT_EQ(ReadSetting("ContextMenuEnabled"), row.stored.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(SearchMain, ContextMenuStart,
                         ::testing::Values(StartRow{"Yes", "Yes", true},
                                           StartRow{"LowerCaseYes", "yes", false},
                                           StartRow{"No", "No", false},
                                           StartRow{"Missing", {}, false}),
                         RowName());

struct FileRow {
    std::string name;
    QString file;
    QString extension;
};

class FileOnCommandLine : public MainWindowFixture,
                          public ::testing::WithParamInterface<FileRow> {};

TEST_P(FileOnCommandLine, LooksUpTheExtensionAsIfTyped) {
    const FileRow& row = GetParam();
    WriteDatabase(".doc;Word document;Word;Win\r\n.gz;gzip archive;gzip;Unix\r\n");
    OpenWindow();
    boxes.shown.clear();
    form->LookUpExtensionOf(row.file);
    EXPECT_EQ(ExtensionOfFile(row.file), row.extension);
    EXPECT_EQ(form->edExtension->text(), row.extension);
    EXPECT_EQ(form->lbxSearchItem1->text(), row.extension);
    EXPECT_EQ(form->HitList.size(), row.extension.isEmpty() ? 0u : 1u);
    EXPECT_TRUE(boxes.shown.empty());  // never the empty-search message
}

INSTANTIATE_TEST_SUITE_P(SearchMain, FileOnCommandLine,
                         ::testing::Values(FileRow{"Plain", "/home/me/letter.doc", ".doc"},
                                           FileRow{"LastDotCounts", "backup.tar.gz", ".gz"},
                                           FileRow{"NoExtension", "/home/me/README", ""},
                                           FileRow{"HiddenFileWithoutExtension", "/home/me/.bashrc",
                                                   ""},
                                           FileRow{"TrailingDot", "name.", ""},
                                           FileRow{"DotOnlyInTheFolder", "/etc/cron.d/job", ""}),
                         RowName());
