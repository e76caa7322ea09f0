#pragma once

#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/Board.h"
#include "engine/FlipList.h"
#include "engine/Square.h"
#include "game/review/MoveValueSearch.h"
#include "ui/BoardLayout.h"
#include "ui/accessibility/Announcer.h"
#include "ui/accessibility/BoardNarrator.h"

class QPainter;

namespace flipstone {

class CFlipstoneDoc;

// The board view: paints the board from the document, drives the game with its timer, passes
// the human's clicks to the document and turns the document's change notices into repaints of
// the disc boxes that changed.
class CFlipstoneView : public QWidget {
    Q_OBJECT

public:
    explicit CFlipstoneView(CFlipstoneDoc& document, QWidget* parent = nullptr);

    void OnDraw(QPainter& painter);
    void OnUpdate();
    // The update after New and Open: the update rules, unless a move is being shown, when it
    // repaints everything instead, since the update would move the display on by a disc the turn
    // cycle has not set yet.
    void OnInitialUpdate();
    void OnTimer();
    // Starts the timer again if the view put it to sleep while the game waited for the human.
    // A timer stopped by anyone else stays stopped.
    void WakeTimer();
    bool TimerAsleep() const { return timerAsleep_; }
    void OnLButtonDown(QPoint point);
    void OnMouseMove(QPoint point);
    // Shows a position of the game under review instead of the game: its discs, the move played
    // there (the red cross) and the best move (the hint's disc). Clicks and Enter play nothing
    // until ShowGame returns the board to the game.
    void ShowReviewPosition(const Board& board, Square best, Square played);
    void ShowGame();
    bool ShowsReviewPosition() const { return reviewBoard_.has_value() && !setUpBoard_; }
    Square ReviewBest() const { return reviewBest_; }
    Square ReviewPlayed() const { return reviewPlayed_; }
    // The board the view shows: the position being set up, the position under review, or the
    // game's.
    const Board& ShownBoard() const;
    // Shows a position being set up instead of the game: a click, or Enter or Space, changes its
    // square from empty to black to white and back, and the screen reader reads the square. The
    // game stands still until EndSetUp.
    void ShowSetUpBoard(const Board& board);
    void EndSetUp();
    bool SettingUp() const { return setUpBoard_.has_value(); }
    // Shows or hides the value of each of the human's moves on its legal-move marker; the values
    // are found in the background whenever the markers are shown.
    void ShowMoveValues(bool show);
    bool MoveValuesShown() const { return showMoveValues_; }
    // Starts or stops valuing the moves as they are wanted now: by Move Values, or in analysis.
    void RefreshMoveValues();
    // The value shown on a marked square, from the human's side; none while it is not known.
    std::optional<int> MoveValueAt(Square square) const;
    // The expected line from the position whose moves are valued, its best move first; empty
    // while the values are hidden or the line is not known.
    std::vector<Square> ExpectedLine() const;
    // Undo took these moves back, or Redo played them again: the screen reader is told.
    void TellMovesTakenBack(const std::vector<Square>& moves) { narrator_.MovesTakenBack(moves); }
    void TellMovesReplayed(const std::vector<Square>& moves) { narrator_.MovesReplayed(moves); }
    // Arrow keys show and move the keyboard cursor; Enter and Space click its square. False for
    // any other key.
    bool OnKeyDown(int key);

    // The square under a client point by the layout of the last paint; none when it misses.
    std::optional<Square> SquareAt(QPoint point) const;
    // The disc box OnUpdate repaints for a square: the stored board position with the unit of
    // the current client size.
    QRect InvalidationBox(Square square) const;

    const CFlipstoneDoc& Document() const { return document_; }
    int BoardSize() const { return boardSize_; }
    int BoardTop() const { return boardTop_; }
    int BoardLeft() const { return boardLeft_; }
    const FlipList& MarkedSquares() const { return markedSquares_; }
    Square LastCrossSquare() const { return lastCrossSquare_; }
    // The keyboard cursor's square, and whether it is shown.
    Square KeyboardCursor() const { return keyboardCursor_; }
    bool KeyboardCursorShown() const { return keyboardCursorShown_; }
    QTimer& TickTimer() { return tickTimer_; }

protected:
    // Asks for the rectangle to be repainted, its background erased first.
    virtual void Invalidate(const QRect& rect);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void DrawGrid(QPainter& painter, const BoardLayout& layout);
    void DrawDiscs(QPainter& painter, const BoardLayout& layout);
    void DrawLastMoveCross(QPainter& painter, const BoardLayout& layout);
    void DrawMarkers(QPainter& painter, const BoardLayout& layout);
    void DrawExaminedSquare(QPainter& painter, const BoardLayout& layout);
    void DrawHint(QPainter& painter, const BoardLayout& layout);
    void DrawKeyboardCursor(QPainter& painter, const BoardLayout& layout);
    void DrawMoveValue(QPainter& painter, const QRect& box, int value);
    void DrawReviewMarks(QPainter& painter, const BoardLayout& layout);
    void DrawCross(QPainter& painter, const BoardLayout& layout, Square square);

    // What a click on the square does, whether the mouse or the keyboard gives it.
    void ClickSquare(Square square);
    void CycleSetUpSquare(Square square);
    // Stops the timer until the next click, command or update.
    void SleepTimer();
    void MoveKeyboardCursor(int columns, int rows);
    void HideKeyboardCursor();

    bool ValuesWanted() const;
    bool UpdateMarkers();
    // Starts valuing the marked moves when the values are shown; reads them as they arrive.
    void ValueMarkedMoves();
    void CollectMoveValues();
    void InvalidateMarkedSquares();
    bool UpdateSearchMark();
    bool UpdateMoveDisplay();
    void InvalidateSquare(Square square);
    void InvalidateAll();

    CFlipstoneDoc& document_;
    int boardSize_ = 0;
    int boardTop_ = 0;
    int boardLeft_ = 0;
    FlipList markedSquares_;
    // Where the last-move cross and the examined-square disc were last shown; kept for the
    // whole run, so the first move repaints the box of (-1, -1) just outside the board.
    Square lastCrossSquare_;
    Square lastExaminedMark_;
    // Column -1 until the first arrow key; kept while hidden, to be shown again where it was.
    Square keyboardCursor_;
    bool keyboardCursorShown_ = false;
    // The position under review shown instead of the game, with its best and played moves.
    std::optional<Board> reviewBoard_;
    Square reviewBest_;
    Square reviewPlayed_;
    std::optional<Board> setUpBoard_;
    bool showMoveValues_ = false;
    MoveValueSearch moveValues_;
    QTimer moveValuePoll_;
    QTimer tickTimer_;
    bool timerAsleep_ = false;
    // Made for the device pixel ratio of the screen the view was last on when the cursor was
    // needed; 0 before that.
    QCursor placeCursor_;
    qreal placeCursorRatio_ = 0;
    // What a screen reader is told of the board.
    Announcer announcer_{*this};
    BoardNarrator narrator_{document_, announcer_};
};

}  // namespace flipstone
