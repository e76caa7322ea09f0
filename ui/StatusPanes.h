#pragma once

#include <QSize>
#include <QWidget>
#include <array>

class QLabel;

namespace flipstone {

// The status bar's figure panes side by side, each as wide as its default text or, for a longer
// text, as that text. When the bar is too narrow the panes keep their widths and those past its
// right edge are cut off, so no text ever runs into another pane. The message pane on their left
// shows its whole text whenever the bar is as wide as that text: the figure panes give way to it,
// cut off from the right. A text longer than the bar is cut, the panes keeping their widths.
class StatusPanes : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCount = 4;

    StatusPanes(const std::array<QString, kCount>& defaults, QLabel& message, QWidget* parent);

    QLabel& Pane(int index) { return *panes_.at(index); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Shows the text in the message pane, with the room it needs.
    void ShowMessage(const QString& text);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int PaneWidth(int index) const;
    void Arrange();
    // Narrows the figure panes as far as the message pane's whole text needs, when that is enough.
    void MakeRoomForMessage();

    std::array<QLabel*, kCount> panes_{};
    QLabel& message_;
};

}  // namespace flipstone
