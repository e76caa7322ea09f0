#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

namespace flipstone {

// Where the board lies in a client area, and the pixel boxes of its parts. The board is
// eight units square, a unit being a tenth of the client's smaller side. Rectangles cover their
// left and top edges but not their right and bottom ones; lines do not cover their end point.
class BoardLayout {
public:
    BoardLayout(int extent, int left, int top);
    // The layout a paint of a client area of this size uses.
    static BoardLayout ForClient(QSize client);

    int Extent() const { return extent_; }
    int Size() const { return 8 * extent_ / 10; }
    int Left() const { return left_; }
    int Top() const { return top_; }

    QRect BoardRect() const;
    // Offset of grid line k (0..8) from the board's left or top edge.
    int GridOffset(int k) const { return k * extent_ / 10; }
    QLine HorizontalGridLine(int k) const;
    QLine VerticalGridLine(int k) const;
    QRect RightShadow() const;
    QRect BottomShadow() const;
    // The box a disc of the square is inscribed in, with a twentieth of a unit of board around.
    QRect DiscBox(int column, int row) const;
    QLine CrossVertical(int column, int row) const;
    QLine CrossHorizontal(int column, int row) const;

    // A rectangle from its left/top edges and its right/bottom limits, which it does not cover.
    static QRect Span(int left, int top, int right, int bottom);

private:
    int X(double columns) const;
    int Y(double rows) const;

    int extent_;
    int left_;
    int top_;
};

}  // namespace flipstone
