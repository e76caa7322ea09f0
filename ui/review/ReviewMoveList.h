#pragma once

#include <QString>
#include <QTableWidget>

#include "game/review/ReviewResults.h"

namespace flipstone {

// The moves of a reviewed game, one row each: the move, its value, the best move and its value,
// the discs it lost and the mark a loss earns. Rows fill in as the review judges the moves.
class ReviewMoveList : public QTableWidget {
    Q_OBJECT

public:
    enum Column { kMove, kValue, kBest, kBestValue, kLoss, kMark, kColumnCount };

    explicit ReviewMoveList(QWidget* parent = nullptr);

    // One row per move of the results, filled where the move is judged.
    void Show(const ReviewResults& results);
    QSize sizeHint() const override;
    // The move of the current row, 1 for the first; 0 when no row is current.
    int CurrentPly() const { return currentRow() + 1; }

    // "Blunder", "Mistake", "Inaccuracy", or nothing for a loss too small to mark.
    static QString MarkOf(int loss);
    // "+4", "-2", "0".
    static QString ValueText(int value);

private:
    int ColumnWidth(int column) const;
    void ShowMove(int row, const MoveReview& move);
    void SetText(int row, int column, const QString& text);
};

}  // namespace flipstone
