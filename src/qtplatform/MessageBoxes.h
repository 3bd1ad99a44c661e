#pragma once

#include <string>

// The three kinds of message box the program shows. Windows call them through
// MessageBoxes(), so that a test can put its own answerer in place of the real dialogs.

enum class TMsgDlgType { mtWarning, mtError, mtInformation };

class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;

    // A plain message without icon, titled with the application title.
    virtual void ShowMessage(const std::string& text);
    // A message with the icon of its kind, titled "Warnung", "Fehler" or "Informationen".
    virtual void MessageDlg(const std::string& text, TMsgDlgType type);
    // An error box with the stop icon, titled with the application title.
    virtual void ErrorBox(const std::string& text);
    // A question with the warning icon, titled "Warnung", with the buttons `yes` and `no`;
    // true when the user chose `yes`.
    virtual bool Confirm(const std::string& text, const std::string& yes, const std::string& no);
};

TMessageBoxes& MessageBoxes();

// Puts `replacement` in place of the real message boxes until the guard goes out of scope.
class ScopedMessageBoxes {
public:
    explicit ScopedMessageBoxes(TMessageBoxes& replacement);
    ~ScopedMessageBoxes();
    ScopedMessageBoxes(const ScopedMessageBoxes&) = delete;
    ScopedMessageBoxes& operator=(const ScopedMessageBoxes&) = delete;

private:
    TMessageBoxes* previous_;
};
