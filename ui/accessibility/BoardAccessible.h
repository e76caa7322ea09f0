#pragma once

#include <QAccessibleWidget>
#include <array>

#include "engine/Square.h"

namespace flipstone {

class CFlipstoneView;

// The board view as assistive technology sees it: a group of 64 squares, a1 to h1 on the top row
// first, made once with the interface and deleted with it. The keyboard cursor's square is the
// group's focused child. The view tells it, through the static functions, when the cursor moved
// and which squares it repainted.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(CFlipstoneView& view);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    // Lets Qt make this interface for every board view; installing again changes nothing.
    static void Install();
    // The focus event of the keyboard cursor's square, when it is shown in the focused view.
    static void FocusCursor(CFlipstoneView& view);
    // The square's name may have changed: it is repainted.
    static void SquareRepainted(CFlipstoneView& view, Square square);
    static void BoardRepainted(CFlipstoneView& view);
    static int IndexOf(Square square) { return square.row * 8 + square.column; }
    static Square SquareAt(int index) { return Square{index % 8, index / 8}; }

    QString text(QAccessible::Text kind) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return kSquares; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    static constexpr int kSquares = 64;

    CFlipstoneView& View() const;
    static void Notify(CFlipstoneView& view, QAccessible::Event type, Square square);

    std::array<QAccessible::Id, kSquares> squareIds_{};
};

}  // namespace flipstone
