#include "ui/review/ReviewMoveList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

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
    //: The review's column headers: the move played, its value in discs for the mover, the best
    //: move there, the best move's value, the discs the move lost against it, and the mark the
    //: loss earns. Keep them short.
    setHorizontalHeaderLabels({tr("Move", "review column"), tr("Value", "review column"),
                               tr("Best", "review column"), tr("Best value", "review column"),
                               tr("Lost", "review column"), tr("Mark", "review column")});
    setAccessibleName(tr("Moves of the game"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    // Widths measured once, not from the rows' contents: resizing to them at every new value would
    // measure every row each time.
    for (int column = 0; column < kColumnCount; ++column) {
        setColumnWidth(column, ColumnWidth(column));
    }
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// Wide enough for the column's header and widest text in the user's language.
int ReviewMoveList::ColumnWidth(int column) const {
    const QFontMetrics metrics = fontMetrics();
    QStringList texts{QStringLiteral("+64")};
    if (column == kMove) {
        texts = {tr("%1. %2 %3").arg(60).arg(tr("Black"), QStringLiteral("h8")),
                 tr("%1. %2 %3").arg(60).arg(tr("White"), QStringLiteral("h8"))};
    } else if (column == kMark) {
        texts = {MarkOf(kInaccuracyLoss), MarkOf(kMistakeLoss), MarkOf(kBlunderLoss)};
    }
    int widest = horizontalHeader()->sectionSizeHint(column);
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text) + padding);
    }
    return widest;
}

QSize ReviewMoveList::sizeHint() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumnCount; ++column) {
        width += ColumnWidth(column);
    }
    return QSize(width, QTableWidget::sizeHint().height());
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
        //: A move in the review's list: %1 its number, %2 the colour that played it, %3 its
        //: square ("23. Black f5").
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
    const QString mark = MarkOf(move.loss);
    //: The review's mark of a move whose values come from the opening book.
    SetText(row, kMark, mark.isEmpty() && move.book ? tr("Book") : mark);
    //: Tooltips of a value: found exactly by solving the end of the game, taken from the opening
    //: book, or estimated by a search.
    const QString exactness = move.exact  ? tr("exact")
                              : move.book ? tr("from the opening book")
                                          : tr("searched");
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
