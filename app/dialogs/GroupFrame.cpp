#include "app/dialogs/GroupFrame.h"

#include <QPainter>

namespace flipstone {

GroupFrame::GroupFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QRect GroupFrame::FrameRect() const {
    const int captionMiddle = fontMetrics().height() / 2;
    return QRect(0, captionMiddle, width() - 1, height() - captionMiddle - 1);
}

QRect GroupFrame::CaptionRect() const {
    const QFontMetrics metrics = fontMetrics();
    const int gap = metrics.averageCharWidth() / 2;
    return QRect(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 2 * gap,
                 metrics.height());
}

QSize GroupFrame::sizeHint() const {
    return QSize(CaptionRect().right() + 1 + fontMetrics().averageCharWidth(), height());
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // An etched line: a dark one, and a light one a pixel to the right and below.
    const QRect frame = FrameRect();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    // The caption interrupts the top line, a character's width in from the left.
    const QRect caption = CaptionRect();
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace flipstone
