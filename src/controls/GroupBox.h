#pragma once

#include <QGroupBox>

// A group box drawn the classic way, whatever the widget style: an etched frame whose top line
// runs through the middle of the title, which stands 8 pixels in from the left edge with the
// line cleared behind it. Its children keep the places their layout gives them.
class TGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Where the frame's top line lies, in pixels from the box's top edge.
    int FrameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TitleRect() const;
};
