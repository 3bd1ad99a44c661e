#pragma once

#include <QLineEdit>

// A one-line edit field that keeps the caret where it is when it takes the focus, instead of
// selecting all of its text.
class TEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
