#include "ui/accessibility/BoardAccessible.h"

#include <QCoreApplication>

#include "engine/Board.h"
#include "ui/CFlipstoneView.h"
#include "ui/accessibility/SquareAccessible.h"

namespace flipstone {

namespace {

QAccessibleInterface* MakeBoardAccessible(const QString& /*key*/, QObject* object) {
    auto* view = qobject_cast<CFlipstoneView*>(object);
    return view != nullptr ? new BoardAccessible(*view) : nullptr;
}

}  // namespace

BoardAccessible::BoardAccessible(CFlipstoneView& view)
    : QAccessibleWidget(&view, QAccessible::Grouping) {
    for (int index = 0; index < kSquares; ++index) {
        squareIds_[index] =
            QAccessible::registerAccessibleInterface(new SquareAccessible(view, SquareAt(index)));
    }
}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : squareIds_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

void BoardAccessible::Install() {
    QAccessible::installFactory(&MakeBoardAccessible);
}

CFlipstoneView& BoardAccessible::View() const {
    return *static_cast<CFlipstoneView*>(widget());
}

void BoardAccessible::Notify(CFlipstoneView& view, QAccessible::Event type, Square square) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(&view, type);
    event.setChild(IndexOf(square));
    QAccessible::updateAccessibility(&event);
}

void BoardAccessible::FocusCursor(CFlipstoneView& view) {
    if (view.hasFocus() && view.KeyboardCursorShown()) {
        Notify(view, QAccessible::Focus, view.KeyboardCursor());
    }
}

void BoardAccessible::SquareRepainted(CFlipstoneView& view, Square square) {
    if (Board::OnBoard(square.column, square.row)) {
        Notify(view, QAccessible::NameChanged, square);
    }
}

void BoardAccessible::BoardRepainted(CFlipstoneView& view) {
    for (int index = 0; index < kSquares; ++index) {
        SquareRepainted(view, SquareAt(index));
    }
}

QString BoardAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) {
        //: The game board, as a screen reader names it.
        return QCoreApplication::translate("BoardAccessible", "Board");
    }
    if (kind == QAccessible::Description) {
        //: How to play the board by keys, read by a screen reader after the board's name:
        //: the arrow keys move a cursor over the squares, Enter plays a move on its square.
        return QCoreApplication::translate("BoardAccessible",
                                           "Arrow keys choose a square, Enter plays it");
    }
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= kSquares) {
        return nullptr;
    }
    return QAccessible::accessibleInterface(squareIds_[index]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < kSquares; ++index) {
        if (QAccessible::accessibleInterface(squareIds_[index]) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const CFlipstoneView& view = View();
    if (view.hasFocus() && view.KeyboardCursorShown()) {
        return child(IndexOf(view.KeyboardCursor()));
    }
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const CFlipstoneView& view = View();
    const std::optional<Square> square = view.SquareAt(view.mapFromGlobal(QPoint(x, y)));
    return square ? child(IndexOf(*square)) : nullptr;
}

}  // namespace flipstone
