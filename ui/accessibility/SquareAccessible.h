#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "engine/Square.h"

namespace flipstone {

class CFlipstoneView;

// One square of the board as assistive technology sees it: a cell named by SquareText, focused
// while the keyboard cursor is on it in the focused view. It has no object of its own; the board's
// interface registers it and deletes it.
class SquareAccessible : public QAccessibleInterface {
public:
    SquareAccessible(CFlipstoneView& view, Square square);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

private:
    QPointer<CFlipstoneView> view_;
    Square square_;
};

}  // namespace flipstone
