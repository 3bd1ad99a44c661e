#pragma once

#include <QLabel>
#include <functional>

// A label (text or picture) that runs OnClick when the left mouse button is pressed and
// released over it.
class TClickLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
