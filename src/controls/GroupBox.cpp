#include "controls/GroupBox.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int kTitleLeft = 8;
// Room kept free of the frame line on either side of the title.
constexpr int kTitleGap = 2;

}  // namespace

int TGroupBox::FrameTop() const {
    // The etched line is two pixels high; its upper pixel lies just above the title's middle.
    return fontMetrics().height() / 2 - 1;
}

QRect TGroupBox::TitleRect() const {
    return QRect(kTitleLeft, 0, fontMetrics().horizontalAdvance(title()), fontMetrics().height());
}

void TGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect titleRect = TitleRect();
    if (!title().isEmpty()) {
        painter.setClipRegion(QRegion(rect()) - titleRect.adjusted(-kTitleGap, 0, kTitleGap, 0));
    }
    qDrawShadeRect(&painter, rect().adjusted(0, FrameTop(), 0, 0), palette(), true);
    painter.setClipping(false);
    style()->drawItemText(&painter, titleRect, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
