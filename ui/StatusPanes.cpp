#include "ui/StatusPanes.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace flipstone {

namespace {

constexpr int kSpacing = 2;

}  // namespace

StatusPanes::StatusPanes(const std::array<QString, kCount>& defaults, QWidget* parent)
    : QWidget(parent) {
    for (int index = 0; index < kCount; ++index) {
        auto* label = new QLabel(defaults[index], this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->sizeHint().width());
        panes_[index] = label;
    }
    Arrange();
}

int StatusPanes::PaneWidth(int index) const {
    const QLabel& pane = *panes_[index];
    return std::max(pane.minimumWidth(), pane.sizeHint().width());
}

QSize StatusPanes::sizeHint() const {
    int width = 0;
    int height = 0;
    for (int index = 0; index < kCount; ++index) {
        width += PaneWidth(index) + (index > 0 ? kSpacing : 0);
        height = std::max(height, panes_[index]->sizeHint().height());
    }
    return QSize(width, height);
}

QSize StatusPanes::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

bool StatusPanes::event(QEvent* event) {
    // A pane whose text grew asks for a new layout.
    if (event->type() == QEvent::LayoutRequest) {
        Arrange();
        updateGeometry();
    }
    return QWidget::event(event);
}

void StatusPanes::resizeEvent(QResizeEvent* event) {
    Arrange();
    QWidget::resizeEvent(event);
}

void StatusPanes::Arrange() {
    int x = 0;
    for (int index = 0; index < kCount; ++index) {
        const int width = PaneWidth(index);
        panes_[index]->setGeometry(x, 0, width, height());
        x += width + kSpacing;
    }
}

}  // namespace flipstone
