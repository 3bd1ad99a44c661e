#pragma once

#include <QDialog>
#include <QFont>
#include <string>

#include "app/WindowLanguage.h"

class QLabel;

// The windows' designed font, "MS Sans Serif" (its installed look-alike), at a height
// in pixels.
QFont DesignedFont(int pixelHeight, bool bold = false);

// A window of fixed client size with title bar and close box, centred on the screen, in the
// designed 11-pixel font.
void SetUpFixedDialog(QDialog& window, int clientWidth, int clientHeight);

// A label at its designed place. Labels show search terms and database texts: they are never
// read as markup.
QLabel* NewLabel(QWidget* parent, int left, int top, bool bold = false);

// Puts a text of the program into a label, which takes the size of its text.
void SetCaption(QLabel* label, const std::string& text);

// Cuts a label's text with an ellipsis to `width` pixels and narrows the label to it; the whole
// text then shows in its tool tip. A label no wider than `width` keeps its text, without a tip.
void FitToWidth(QLabel& label, int width);

// Blue text (red 0, green 0, blue 255), as links and marks show it.
void PaintBlue(QLabel* label);

// A link to the website: blue, underlined, with the hand over it. The hand belongs to the label
// itself, so it goes when the mouse leaves and cannot outlive the window.
void MakeLink(QLabel* label);

// A window opened from the main window: it fetches its texts in the program's language and
// puts them in each time the program shows it.
class TDialogFrame : public QDialog {
public:
    TDialogFrame(TWindowLanguage& language, QWidget* parent);

protected:
    // Puts in the texts of the current language.
    virtual void FormShow() = 0;
    std::string Text(int offset) const;
    TWindowLanguage& Language() const { return language_; }

    void showEvent(QShowEvent* event) override;

private:
    TWindowLanguage& language_;
};
