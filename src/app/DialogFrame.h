#pragma once

#include <QFont>

class QDialog;
class QLabel;

// The windows' designed font, "MS Sans Serif" (mapped to an installed look-alike), at a height
// in pixels.
QFont DesignedFont(int pixelHeight, bool bold = false);

// A window of fixed client size with title bar and close box, centred on the screen, in the
// designed 11-pixel font.
void SetUpFixedDialog(QDialog& window, int clientWidth, int clientHeight);

// Cuts a label's text with an ellipsis to `width` pixels and narrows the label to it; the whole
// text then shows in its tool tip. A label no wider than `width` keeps its text, without a tip.
void FitToWidth(QLabel& label, int width);
