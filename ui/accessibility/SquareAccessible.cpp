#include "ui/accessibility/SquareAccessible.h"

#include <QWindow>

#include "ui/CFlipstoneView.h"
#include "ui/accessibility/SquareText.h"

namespace flipstone {

SquareAccessible::SquareAccessible(CFlipstoneView& view, Square square)
    : view_(&view), square_(square) {}

bool SquareAccessible::isValid() const {
    return !view_.isNull();
}

QWindow* SquareAccessible::window() const {
    return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* SquareAccessible::parent() const {
    return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

QString SquareAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !view_) {
        return QString();
    }
    return SquareText(*view_, square_);
}

QRect SquareAccessible::rect() const {
    if (!view_) {
        return QRect();
    }
    const QRect box = view_->InvalidationBox(square_);
    return QRect(view_->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::State SquareAccessible::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.focused = view_ && view_->hasFocus() && view_->KeyboardCursorShown() &&
                    view_->KeyboardCursor() == square_;
    state.invisible = !view_ || !view_->isVisible();
    return state;
}

}  // namespace flipstone
