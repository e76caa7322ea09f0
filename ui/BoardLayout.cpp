#include "ui/BoardLayout.h"

#include <algorithm>

namespace flipstone {

BoardLayout::BoardLayout(int extent, int left, int top) : extent_(extent), left_(left), top_(top) {}

BoardLayout BoardLayout::ForClient(QSize client) {
    const int extent = std::min(client.width(), client.height());
    const int size = 8 * extent / 10;
    return BoardLayout(extent, (client.width() - size) / 2, (client.height() - size) / 2);
}

QRect BoardLayout::Span(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// Board coordinates in units become pixels by truncation toward zero, in the same order of
// operations everywhere so that painted and repainted boxes agree to the pixel.
int BoardLayout::X(double columns) const {
    return static_cast<int>(left_ + columns * extent_ * 0.1);
}

int BoardLayout::Y(double rows) const {
    return static_cast<int>(top_ + rows * extent_ * 0.1);
}

QRect BoardLayout::BoardRect() const {
    return Span(left_, top_, left_ + Size(), top_ + Size());
}

QLine BoardLayout::HorizontalGridLine(int k) const {
    const int y = top_ + GridOffset(k);
    return QLine(left_, y, left_ + Size(), y);
}

QLine BoardLayout::VerticalGridLine(int k) const {
    const int x = left_ + GridOffset(k);
    return QLine(x, top_, x, top_ + Size());
}

QRect BoardLayout::RightShadow() const {
    const int offset = extent_ / 20;
    const double far = 0.85 * extent_;
    return Span(left_ + Size(), top_ + offset, static_cast<int>(left_ + far),
                static_cast<int>(top_ + far));
}

QRect BoardLayout::BottomShadow() const {
    const int offset = extent_ / 20;
    const double far = 0.85 * extent_;
    return Span(left_ + offset, top_ + Size(), left_ + Size(), static_cast<int>(top_ + far));
}

QRect BoardLayout::DiscBox(int column, int row) const {
    return Span(X(column + 0.05), Y(row + 0.05), X(column + 0.95), Y(row + 0.95));
}

QLine BoardLayout::CrossVertical(int column, int row) const {
    const int x = X(column + 0.5);
    return QLine(x, Y(row + 0.2), x, Y(row + 0.8));
}

QLine BoardLayout::CrossHorizontal(int column, int row) const {
    const int y = Y(row + 0.5);
    return QLine(X(column + 0.2), y, X(column + 0.8), y);
}

}  // namespace flipstone
