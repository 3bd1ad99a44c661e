// The machine-wide language choice seen from the main window: read at start, stored by
// StoreLanguage, and silently left alone where the machine's settings cannot be changed.

#include "MainWindowFixture.h"
#include "settings/Settings.h"

TEST_F(MainWindowTest, StoredLanguageDecidesAtStartAndAChoiceSwitchesTheBase) {
    ASSERT_TRUE(WriteStoredLanguage("German"));
    WriteDatabase("");
    OpenWindow();
    EXPECT_EQ(form->GetLanguageBase(), 1000);

    form->StoreLanguage("English");
    EXPECT_EQ(form->GetLanguageBase(), 5000);
    EXPECT_EQ(TLumbrafixForm::GetLanguageName(), "English");
}

TEST_F(MainWindowTest, ChoiceWithoutRightsToTheMachineSettingsChangesNothingAndSaysNothing) {
    settings.RefuseMachineFolder();
    WriteDatabase("");
    OpenWindow();
    const int base = form->GetLanguageBase();
    boxes.shown.clear();

    form->StoreLanguage(base == 1000 ? "English" : "German");
    EXPECT_EQ(form->GetLanguageBase(), base);
    EXPECT_TRUE(boxes.shown.empty());
}
