#include "ui/StatusPanes.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

namespace flipstone {

namespace {

constexpr int kSpacing = 2;

}  // namespace

StatusPanes::StatusPanes(const std::array<QString, kCount>& defaults, QLabel& message,
                         QWidget* parent)
    : QWidget(parent), message_(message) {
    message_.installEventFilter(this);
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

bool StatusPanes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &message_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        MakeRoomForMessage();
    }
    return QWidget::eventFilter(watched, event);
}

void StatusPanes::resizeEvent(QResizeEvent* event) {
    Arrange();
    QWidget::resizeEvent(event);
}

void StatusPanes::ShowMessage(const QString& text) {
    if (message_.text() != text) {
        message_.setText(text);
        MakeRoomForMessage();
    }
}

// The message pane takes what the figure panes leave, so the two share a constant width: the
// figure panes get that less the message's whole text, or all they want when it is too little.
// Narrowing the panes resizes them at once, before the message has the room: only the message's
// own resizes are measured.
void StatusPanes::MakeRoomForMessage() {
    if (message_.isHidden()) {
        return;
    }
    const int wanted = message_.sizeHint().width();
    const int shared = message_.width() + width();
    const int full = sizeHint().width();
    const int room = wanted <= shared ? shared - wanted : full;
    setMaximumWidth(room >= full ? QWIDGETSIZE_MAX : room);
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
