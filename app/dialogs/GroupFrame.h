#pragma once

#include <QGroupBox>
#include <QRect>

namespace flipstone {

// A group box drawn as a dialog laid out in dialog units means it: the frame's top line runs
// through the middle of the caption, so the controls placed a little below the caption sit inside
// the frame. (The styles draw the frame below the caption instead.) The group's controls are the
// dialog's children, placed over it.
class GroupFrame : public QGroupBox {
    Q_OBJECT

public:
    GroupFrame(const QString& caption, QWidget* parent);

    // As wide as the caption with a character's width either side.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the frame's lines run, in this widget's coordinates.
    QRect FrameRect() const;
    // Where the caption interrupts the top line.
    QRect CaptionRect() const;
};

}  // namespace flipstone
