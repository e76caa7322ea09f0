#include "ui/review/ReviewGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace flipstone {

namespace {

constexpr int kMargin = 4;
constexpr int kSmallestScale = 8;
constexpr int kScaleStep = 8;

}  // namespace

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Value graph"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    UpdateText();
}

QSize ReviewGraph::sizeHint() const {
    return QSize(240, 120);
}

QSize ReviewGraph::minimumSizeHint() const {
    return QSize(120, 60);
}

QString ReviewGraph::ValueText(int ply, int blackValue) {
    const QString where = ply == 0 ? tr("at the start") : tr("after move %1").arg(ply);
    if (blackValue == 0) {
        return tr("%1, even").arg(where);
    }
    const QString leader = blackValue > 0 ? tr("Black") : tr("White");
    return tr("%1, %2 +%3").arg(where, leader).arg(std::abs(blackValue));
}

void ReviewGraph::SetValues(std::vector<std::optional<int>> values) {
    values_ = std::move(values);
    UpdateText();
    update();
}

void ReviewGraph::SetSelectedPly(int ply) {
    selected_ = ply;
    UpdateText();
    update();
}

// The text a screen reader and a tooltip give: the selected position's value, or the last one
// known.
void ReviewGraph::UpdateText() {
    int ply = selected_;
    if (ply < 0 || ply >= static_cast<int>(values_.size()) || !values_[ply]) {
        ply = -1;
        for (int k = static_cast<int>(values_.size()) - 1; k >= 0 && ply < 0; --k) {
            ply = values_[k] ? k : -1;
        }
    }
    const QString text = ply >= 0 ? ValueText(ply, *values_[ply]) : tr("No values yet");
    setAccessibleDescription(text);
    setToolTip(text);
}

QRect ReviewGraph::PlotArea() const {
    return rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

int ReviewGraph::Scale() const {
    int largest = kSmallestScale;
    for (const std::optional<int>& value : values_) {
        largest = std::max(largest, value ? std::abs(*value) : 0);
    }
    return (largest + kScaleStep - 1) / kScaleStep * kScaleStep;
}

int ReviewGraph::PlyAt(int x) const {
    const QRect area = PlotArea();
    const int count = static_cast<int>(values_.size());
    if (count == 0 || area.width() <= 0) {
        return -1;
    }
    return std::clamp((x - area.left()) * count / area.width(), 0, count - 1);
}

void ReviewGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    const QRect area = PlotArea();
    const int count = static_cast<int>(values_.size());
    const int middle = area.top() + area.height() / 2;
    const int scale = Scale();
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, tr("Black"));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom, tr("White"));
    painter.drawLine(area.left(), middle, area.right(), middle);
    for (int ply = 0; ply < count; ++ply) {
        const int left = area.left() + ply * area.width() / count;
        const int right = area.left() + (ply + 1) * area.width() / count - 1;
        if (ply == selected_) {
            painter.fillRect(QRect(QPoint(left, area.top()), QPoint(right, area.bottom())),
                             colours.highlight());
        }
        if (!values_[ply] || *values_[ply] == 0) {
            continue;
        }
        const int height = *values_[ply] * (area.height() / 2) / scale;
        const QRect bar = QRect(QPoint(left, middle - height), QPoint(right, middle)).normalized();
        painter.fillRect(bar, ply == selected_ ? colours.highlightedText() : colours.text());
    }
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    const int ply = PlyAt(event->position().toPoint().x());
    if (event->button() == Qt::LeftButton && ply >= 0) {
        emit PlyClicked(ply);
    }
    QWidget::mousePressEvent(event);
}

}  // namespace flipstone
