#pragma once

#include <QDockWidget>
#include <QTimer>
#include <vector>

#include "game/records/GameRecord.h"
#include "game/review/ReviewResults.h"
#include "game/review/ReviewWorker.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace flipstone {

class CFlipstoneView;
class ReviewGraph;
class ReviewMoveList;

// The review beside the board: the graph of the value over the game, the list of moves with
// their values and losses, and while the review runs a progress bar and Cancel. The review runs
// on a thread of its own; the panel reads what it found on a short timer that stops with it.
// Selecting a move shows the position before it on the board with the best move marked; closing
// the panel returns the board to the game.
class ReviewPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit ReviewPanel(CFlipstoneView& view, QWidget* parent = nullptr);

    // Reviews the game from its start to the position after its last move.
    void Review(const GameRecord& record);
    bool Running() const { return worker_.Running(); }
    // Ends the review under way; what it found so far stays.
    void Cancel();
    const ReviewResults& Shown() const { return shown_; }
    ReviewMoveList& MoveList() { return *moveList_; }
    ReviewGraph& Graph() { return *graph_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Poll();
    void ShowResults(const ReviewResults& results);
    void ShowProgress(bool running);
    // Shows the position before move `ply` (1 for the first) on the board; 0 shows the game.
    void SelectMove(int ply);
    void SelectPosition(int ply);

    CFlipstoneView& view_;
    ReviewWorker worker_;
    QTimer poll_;
    ReviewResults shown_;
    ReviewGraph* graph_;
    ReviewMoveList* moveList_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* status_;
    // The well-known opening the game follows, translated; empty for none.
    QString opening_;
};

}  // namespace flipstone
