#pragma once

#include <QSize>
#include <QWidget>
#include <array>

class QLabel;

namespace flipstone {

// The status bar's figure panes side by side, each as wide as its default text or, for a longer
// text, as that text. When the bar is too narrow the panes keep their widths and those past its
// right edge are cut off, so no text ever runs into another pane.
class StatusPanes : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCount = 4;

    StatusPanes(const std::array<QString, kCount>& defaults, QWidget* parent);

    QLabel& Pane(int index) { return *panes_.at(index); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int PaneWidth(int index) const;
    void Arrange();

    std::array<QLabel*, kCount> panes_{};
};

}  // namespace flipstone
