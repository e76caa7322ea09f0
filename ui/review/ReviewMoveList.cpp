#include "ui/review/ReviewMoveList.h"

#include <QHeaderView>

#include "engine/BoardText.h"

namespace flipstone {

namespace {

// The discs a move must lose to earn each mark.
constexpr int kBlunderLoss = 10;
constexpr int kMistakeLoss = 4;
constexpr int kInaccuracyLoss = 2;

QString NameOf(Square square) {
    return square.column < 0 ? QString() : QString::fromStdString(BoardText::SquareName(square));
}

}  // namespace

ReviewMoveList::ReviewMoveList(QWidget* parent) : QTableWidget(0, kColumnCount, parent) {
    setHorizontalHeaderLabels(
        {tr("Move"), tr("Value"), tr("Best"), tr("Best value"), tr("Lost"), tr("Mark")});
    setAccessibleName(tr("Moves of the game"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

QString ReviewMoveList::MarkOf(int loss) {
    if (loss >= kBlunderLoss) {
        return tr("Blunder");
    }
    if (loss >= kMistakeLoss) {
        return tr("Mistake");
    }
    return loss >= kInaccuracyLoss ? tr("Inaccuracy") : QString();
}

QString ReviewMoveList::ValueText(int value) {
    return value == 0 ? QStringLiteral("0") : QString::asprintf("%+d", value);
}

void ReviewMoveList::Show(const ReviewResults& results) {
    if (rowCount() != results.MoveCount()) {
        setRowCount(results.MoveCount());
    }
    for (int ply = 1; ply <= results.MoveCount(); ++ply) {
        const ReviewPosition& position = results.Position(ply - 1);
        const QString colour = position.mover == kWhite ? tr("White") : tr("Black");
        SetText(ply - 1, kMove, tr("%1. %2 %3").arg(ply).arg(colour, NameOf(position.played)));
        if (const std::optional<MoveReview> move = results.Move(ply)) {
            ShowMove(ply - 1, *move);
        }
    }
}

void ReviewMoveList::ShowMove(int row, const MoveReview& move) {
    SetText(row, kValue, ValueText(move.value));
    SetText(row, kBest, NameOf(move.best));
    SetText(row, kBestValue, ValueText(move.bestValue));
    SetText(row, kLoss, QString::number(move.loss));
    SetText(row, kMark, MarkOf(move.loss));
    const QString exactness = move.exact ? tr("exact") : tr("searched");
    item(row, kValue)->setToolTip(exactness);
    item(row, kBestValue)->setToolTip(exactness);
}

void ReviewMoveList::SetText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        setItem(row, column, new QTableWidgetItem(text));
    } else if (cell->text() != text) {
        cell->setText(text);
    }
}

}  // namespace flipstone
