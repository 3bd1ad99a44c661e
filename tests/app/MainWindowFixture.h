#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/SearchMain.h"
#include "qtplatform/MessageBoxes.h"
#include "support/ScopedSettingsFolders.h"

// Answers the program's message boxes at once and remembers what they said.
class RecordingMessageBoxes : public TMessageBoxes {
public:
    struct Shown {
        std::string kind;  // "plain", "warning", "error", "information", "errorbox", "confirm"
        std::string text;
    };

    void ShowMessage(const std::string& text) override { shown.push_back({"plain", text}); }
    void MessageDlg(const std::string& text, TMsgDlgType type) override;
    void ErrorBox(const std::string& text) override { shown.push_back({"errorbox", text}); }
    // Answers a question with `confirmAnswer`.
    bool Confirm(const std::string& text, const std::string&, const std::string&) override {
        shown.push_back({"confirm", text});
        return confirmAnswer;
    }

    std::vector<Shown> shown;
    bool confirmAnswer = false;
};

// A main window over a database of its own in a fresh program folder.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();
    ~MainWindowFixture() override;

    std::string Folder() const { return folder_.string() + "/"; }
    std::filesystem::path DatabasePath() const { return folder_ / "marbelin_ext.txt"; }

    // Writes `plainText` as an enciphered database under the program's key.
    void WriteDatabase(const std::string& plainText) const;
    void WriteRawDatabase(const std::string& bytes) const;

    // Creates and shows the window; its start-up messages land in `boxes`.
    TLumbrafixForm& OpenWindow();
    void Search(const QString& extension, const QString& fileType = {},
                const QString& program = {});

    ScopedSettingsFolders settings;
    RecordingMessageBoxes boxes;
    ScopedMessageBoxes answerer{boxes};
    std::unique_ptr<TLumbrafixForm> form;

private:
    std::filesystem::path folder_;
};
