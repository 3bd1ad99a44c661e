// The stored language choice seen from the main window.

#include <fstream>

#include "MainWindowFixture.h"
#include "settings/Settings.h"

class LanguageChoice : public MainWindowFixture {};

TEST_F(LanguageChoice, StoredLanguageDecidesAtStartAndAChoiceSwitchesTheBase) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    WriteDatabase("");
    OpenWindow();
    EXPECT_EQ(form->GetLanguageBase(), 1000);
    form->StoreLanguage("English");
    EXPECT_EQ(form->GetLanguageBase(), 5000);
    EXPECT_EQ(form->GetLanguageName(), "English");

    // Stored nowhere: the base stays, without a word.
    settings.RefuseMachineFolder();
    std::filesystem::remove_all(settings.Root() / "config");
    std::ofstream(settings.Root() / "config") << "a file where the folder should be";
    boxes.shown.clear();
    form->StoreLanguage("German");
    EXPECT_EQ(form->GetLanguageBase(), 5000);
    EXPECT_TRUE(boxes.shown.empty());
}
