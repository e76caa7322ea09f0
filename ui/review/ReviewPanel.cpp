#include "ui/review/ReviewPanel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <utility>

#include "game/review/OpeningNames.h"
#include "game/review/ReviewPositions.h"
#include "ui/CFlipstoneView.h"
#include "ui/GameText.h"
#include "ui/review/ReviewGraph.h"
#include "ui/review/ReviewMoveList.h"

namespace flipstone {

namespace {

// How often the panel looks for new values while the review runs.
constexpr int kPollPeriodMs = 50;

}  // namespace

ReviewPanel::ReviewPanel(CFlipstoneView& view, QWidget* parent)
    : QDockWidget(tr("Review"), parent),
      view_(view),
      graph_(new ReviewGraph),
      moveList_(new ReviewMoveList),
      progress_(new QProgressBar),
      cancel_(new QPushButton(tr("Cancel"))),
      status_(new QLabel) {
    setObjectName(QStringLiteral("Review"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    progress_->setAccessibleName(tr("Review progress"));
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(progressRow);
    layout->addWidget(status_);
    layout->addWidget(graph_);
    layout->addWidget(moveList_, 1);
    setWidget(content);

    poll_.setInterval(kPollPeriodMs);
    connect(&poll_, &QTimer::timeout, this, &ReviewPanel::Poll);
    connect(cancel_, &QPushButton::clicked, this, &ReviewPanel::Cancel);
    connect(graph_, &ReviewGraph::PlyClicked, this, &ReviewPanel::SelectPosition);
    connect(moveList_, &QTableWidget::currentCellChanged, this,
            [this](int row) { SelectMove(row + 1); });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible) {
            view_.ShowGame();
        }
    });
}

void ReviewPanel::Review(const GameRecord& record) {
    const char* opening = OpeningNameOf(record);
    opening_ = opening != nullptr ? OpeningName(opening) : QString();
    view_.ShowGame();
    moveList_->setCurrentCell(-1, -1);
    moveList_->setRowCount(0);
    graph_->SetSelectedPly(-1);
    worker_.Start(ReviewPositionsOf(record));
    ShowResults(worker_.Results());
    ShowProgress(true);
    poll_.start();
}

void ReviewPanel::Cancel() {
    worker_.Cancel();
    Poll();
}

void ReviewPanel::closeEvent(QCloseEvent* event) {
    Cancel();
    QDockWidget::closeEvent(event);
}

void ReviewPanel::Poll() {
    const bool running = worker_.Running();
    const ReviewResults results = worker_.Results();
    if (results.JudgedCount() != shown_.JudgedCount() || !running) {
        ShowResults(results);
    }
    if (!running) {
        poll_.stop();
        ShowProgress(false);
    }
}

void ReviewPanel::ShowResults(const ReviewResults& results) {
    shown_ = results;
    moveList_->Show(results);
    std::vector<std::optional<int>> values;
    for (int ply = 0; ply < results.PositionCount(); ++ply) {
        const std::optional<PositionValue> value = results.ValueAfter(ply);
        values.push_back(value ? std::optional<int>(value->black) : std::nullopt);
    }
    graph_->SetValues(std::move(values));
    progress_->setRange(0, results.PositionCount());
    progress_->setValue(results.JudgedCount());
    // A selected move whose values just arrived shows its best move now.
    if (moveList_->currentRow() >= 0) {
        SelectMove(moveList_->CurrentPly());
    }
}

void ReviewPanel::ShowProgress(bool running) {
    progress_->setVisible(running);
    cancel_->setVisible(running);
    if (running) {
        status_->setText(tr("Reviewing the game..."));
    } else if (shown_.Complete() && !opening_.isEmpty()) {
        //: The review's status once it is complete, for a game that follows a well-known opening
        //: (%1, its name).
        status_->setText(tr("Every move is reviewed.") + QLatin1Char('\n') +
                         tr("Opening: %1").arg(opening_));
    } else if (shown_.Complete()) {
        status_->setText(tr("Every move is reviewed."));
    } else {
        status_->setText(tr("Review cancelled: %1 of %2 positions judged.")
                             .arg(shown_.JudgedCount())
                             .arg(shown_.PositionCount()));
    }
}

void ReviewPanel::SelectMove(int ply) {
    if (ply <= 0 || ply > shown_.MoveCount()) {
        graph_->SetSelectedPly(-1);
        view_.ShowGame();
        return;
    }
    graph_->SetSelectedPly(ply - 1);
    const std::optional<MoveReview> move = shown_.Move(ply);
    view_.ShowReviewPosition(shown_.Position(ply - 1).board, move ? move->best : Square{},
                             shown_.Position(ply - 1).played);
}

// A click on the graph selects the move played from that position; the last position, after
// the last move, selects the last move.
void ReviewPanel::SelectPosition(int ply) {
    const int row = std::min(ply, shown_.MoveCount() - 1);
    moveList_->setCurrentCell(row, 0);
}

}  // namespace flipstone
