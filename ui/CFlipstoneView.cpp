#include "ui/CFlipstoneView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/CFlipstoneDoc.h"
#include "ui/Artwork.h"
#include "ui/accessibility/BoardAccessible.h"
#include "ui/accessibility/SquareText.h"

namespace flipstone {

namespace {

const QColor kBlackColour(0, 0, 0);
const QColor kWhiteColour(255, 255, 255);
const QColor kMarkerColour(127, 127, 159);
const QColor kHintOutlineColour(95, 95, 119);
const QColor kRedColour(255, 0, 0);
const QColor kExaminedColour(255, 128, 128);
const QColor kClientColour(0, 255, 0);
const QColor kBoardColour(127, 127, 127);
const QColor kKeyboardCursorColour(255, 255, 0);
const QColor kMoveValueColour(255, 255, 255);
// How often the view looks for the move values while they are searched.
constexpr int kMoveValuePollMs = 50;

// The board's rectangles and ellipses exclude their right and bottom edge, and its lines their
// end point. Qt's aliased primitives cover both, so these helpers stop one pixel short.
void DrawLineWithoutEnd(QPainter& painter, const QLine& line) {
    if (line.p1() == line.p2()) {
        return;
    }
    QPoint end = line.p2();
    if (line.dy() == 0) {
        end.rx() -= line.dx() > 0 ? 1 : -1;
    } else if (line.dx() == 0) {
        end.ry() -= line.dy() > 0 ? 1 : -1;
    }
    painter.drawLine(line.p1(), end);
}

void DrawEllipseInBox(QPainter& painter, const QRect& box) {
    if (box.width() <= 0 || box.height() <= 0) {
        return;
    }
    painter.drawEllipse(QRect(box.left(), box.top(), box.width() - 1, box.height() - 1));
}

void DrawDisc(QPainter& painter, const QColor& outline, const QColor& fill, const QRect& box) {
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    DrawEllipseInBox(painter, box);
}

// Integer division rounding toward minus infinity, so points left of or above the board miss.
int FloorDiv(int numerator, int denominator) {
    return static_cast<int>(std::floor(static_cast<double>(numerator) / denominator));
}

}  // namespace

CFlipstoneView::CFlipstoneView(CFlipstoneDoc& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    BoardAccessible::Install();
    connect(&tickTimer_, &QTimer::timeout, this, &CFlipstoneView::OnTimer);
    moveValuePoll_.setInterval(kMoveValuePollMs);
    connect(&moveValuePoll_, &QTimer::timeout, this, &CFlipstoneView::CollectMoveValues);
    tickTimer_.start(CFlipstoneDoc::kTickPeriodMs);
}

void CFlipstoneView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    OnDraw(painter);
}

void CFlipstoneView::OnDraw(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kBlackColour, 1));
    painter.setBrush(kBlackColour);

    const BoardLayout layout = BoardLayout::ForClient(size());
    boardSize_ = layout.Size();
    boardLeft_ = layout.Left();
    boardTop_ = layout.Top();

    painter.fillRect(rect(), kClientColour);
    painter.fillRect(layout.BoardRect(), kBoardColour);
    DrawGrid(painter, layout);
    painter.fillRect(layout.RightShadow(), kBlackColour);
    painter.fillRect(layout.BottomShadow(), kBlackColour);
    DrawDiscs(painter, layout);
    // A position being set up shows its discs alone.
    if (ShowsReviewPosition()) {
        DrawReviewMarks(painter, layout);
    } else if (!setUpBoard_) {
        DrawLastMoveCross(painter, layout);
        DrawMarkers(painter, layout);
        DrawExaminedSquare(painter, layout);
        DrawHint(painter, layout);
    }
    DrawKeyboardCursor(painter, layout);
    painter.restore();
}

void CFlipstoneView::DrawGrid(QPainter& painter, const BoardLayout& layout) {
    painter.setPen(QPen(kBlackColour, 1));
    for (int k = 0; k <= 8; ++k) {
        DrawLineWithoutEnd(painter, layout.HorizontalGridLine(k));
        DrawLineWithoutEnd(painter, layout.VerticalGridLine(k));
    }
}

void CFlipstoneView::DrawDiscs(QPainter& painter, const BoardLayout& layout) {
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const std::uint8_t code = ShownBoard().At(column, row);
            if (code == kBlack) {
                DrawDisc(painter, kBlackColour, kBlackColour, layout.DiscBox(column, row));
            } else if (code == kWhite) {
                DrawDisc(painter, kBlackColour, kWhiteColour, layout.DiscBox(column, row));
            }
        }
    }
}

void CFlipstoneView::DrawLastMoveCross(QPainter& painter, const BoardLayout& layout) {
    DrawCross(painter, layout, Square{document_.flipList.columns[0], document_.flipList.rows[0]});
}

void CFlipstoneView::DrawCross(QPainter& painter, const BoardLayout& layout, Square square) {
    if (square.column == -1) {
        return;
    }
    painter.setPen(QPen(kRedColour, 1));
    DrawLineWithoutEnd(painter, layout.CrossVertical(square.column, square.row));
    DrawLineWithoutEnd(painter, layout.CrossHorizontal(square.column, square.row));
}

void CFlipstoneView::DrawReviewMarks(QPainter& painter, const BoardLayout& layout) {
    if (Board::OnBoard(reviewBest_.column, reviewBest_.row)) {
        DrawDisc(painter, kHintOutlineColour, kMarkerColour,
                 layout.DiscBox(reviewBest_.column, reviewBest_.row));
    }
    DrawCross(painter, layout, reviewPlayed_);
}

const Board& CFlipstoneView::ShownBoard() const {
    if (setUpBoard_) {
        return *setUpBoard_;
    }
    return reviewBoard_ ? *reviewBoard_ : document_.board;
}

void CFlipstoneView::ShowSetUpBoard(const Board& board) {
    setUpBoard_ = board;
    unsetCursor();
    InvalidateAll();
}

void CFlipstoneView::EndSetUp() {
    if (setUpBoard_) {
        setUpBoard_.reset();
        InvalidateAll();
        WakeTimer();
    }
}

void CFlipstoneView::CycleSetUpSquare(Square square) {
    const std::uint8_t code = setUpBoard_->At(square.column, square.row);
    const std::uint8_t next = code == kEmpty ? kBlack : code == kBlack ? kWhite : kEmpty;
    setUpBoard_->Set(square.column, square.row, next);
    InvalidateSquare(square);
    announcer_.Announce(SquareText(*this, square));
}

void CFlipstoneView::ShowReviewPosition(const Board& board, Square best, Square played) {
    reviewBoard_ = board;
    reviewBest_ = best;
    reviewPlayed_ = played;
    InvalidateAll();
}

void CFlipstoneView::ShowGame() {
    if (reviewBoard_) {
        reviewBoard_.reset();
        InvalidateAll();
    }
}

void CFlipstoneView::DrawMarkers(QPainter& painter, const BoardLayout& layout) {
    if (document_.markerState != kMarkersShown) {
        return;
    }
    for (int k = 0; k < markedSquares_.count; ++k) {
        const QRect box = layout.DiscBox(markedSquares_.columns[k], markedSquares_.rows[k]);
        DrawDisc(painter, kMarkerColour, kMarkerColour, box);
        if (const std::optional<int> value =
                MoveValueAt(Square{markedSquares_.columns[k], markedSquares_.rows[k]})) {
            DrawMoveValue(painter, box, *value);
        }
    }
}

void CFlipstoneView::DrawMoveValue(QPainter& painter, const QRect& box, int value) {
    QFont font = painter.font();
    font.setPixelSize(std::max(6, box.height() * 2 / 5));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kMoveValueColour);
    painter.drawText(box, Qt::AlignCenter,
                     value > 0 ? QString::asprintf("%+d", value) : QString::number(value));
}

void CFlipstoneView::ShowMoveValues(bool show) {
    showMoveValues_ = show;
    RefreshMoveValues();
}

bool CFlipstoneView::ValuesWanted() const {
    return showMoveValues_ || document_.AnalysisMode();
}

void CFlipstoneView::RefreshMoveValues() {
    if (ValuesWanted()) {
        ValueMarkedMoves();
    } else {
        moveValues_.Clear();
        moveValuePoll_.stop();
    }
    InvalidateMarkedSquares();
}

std::vector<Square> CFlipstoneView::ExpectedLine() const {
    if (!ValuesWanted() || document_.markerState != kMarkersShown) {
        return {};
    }
    return moveValues_.Line();
}

std::optional<int> CFlipstoneView::MoveValueAt(Square square) const {
    if (!ValuesWanted() || document_.markerState != kMarkersShown) {
        return std::nullopt;
    }
    return moveValues_.ValueOf(square);
}

void CFlipstoneView::ValueMarkedMoves() {
    if (!ValuesWanted() || document_.markerState != kMarkersShown || markedSquares_.count == 0) {
        return;
    }
    moveValues_.Value(document_.board, document_.humanColour);
    // The poll takes the values, even those of a valuing that has already finished.
    moveValuePoll_.start();
}

void CFlipstoneView::CollectMoveValues() {
    // Asked before collecting: once the valuing has finished, the values collected are its last.
    const bool running = moveValues_.Running();
    if (moveValues_.Collect()) {
        InvalidateMarkedSquares();
    }
    if (!running) {
        moveValuePoll_.stop();
    }
}

void CFlipstoneView::InvalidateMarkedSquares() {
    for (int k = 0; k < markedSquares_.count; ++k) {
        InvalidateSquare(Square{markedSquares_.columns[k], markedSquares_.rows[k]});
    }
}

void CFlipstoneView::DrawExaminedSquare(QPainter& painter, const BoardLayout& layout) {
    const Square examined = document_.examinedSquare;
    if (examined.column < 0) {
        return;
    }
    DrawDisc(painter, kRedColour, kExaminedColour, layout.DiscBox(examined.column, examined.row));
}

void CFlipstoneView::DrawHint(QPainter& painter, const BoardLayout& layout) {
    const Square hint = document_.hintSquare;
    if (document_.hintState != kHintReady || !Board::OnBoard(hint.column, hint.row)) {
        return;
    }
    DrawDisc(painter, kHintOutlineColour, kMarkerColour, layout.DiscBox(hint.column, hint.row));
}

// A frame two pixels wide along the inside of the square's disc box, so that repainting the box
// removes it; the disc inscribed in the box leaves its corners clear.
void CFlipstoneView::DrawKeyboardCursor(QPainter& painter, const BoardLayout& layout) {
    if (!keyboardCursorShown_) {
        return;
    }
    const QRect box = layout.DiscBox(keyboardCursor_.column, keyboardCursor_.row);
    constexpr int kThickness = 2;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), kThickness), kKeyboardCursorColour);
    painter.fillRect(QRect(box.left(), box.bottom() - kThickness + 1, box.width(), kThickness),
                     kKeyboardCursorColour);
    painter.fillRect(QRect(box.left(), box.top(), kThickness, box.height()), kKeyboardCursorColour);
    painter.fillRect(QRect(box.right() - kThickness + 1, box.top(), kThickness, box.height()),
                     kKeyboardCursorColour);
}

// While the game waits for the human, ticks would only wake the program a hundred times a
// second to do nothing: the timer sleeps until the next click, command or view update.
void CFlipstoneView::OnTimer() {
    if (setUpBoard_) {
        SleepTimer();
        return;
    }
    document_.TurnStep();
    narrator_.StepTaken();
    if (document_.WaitsForTheHuman()) {
        SleepTimer();
    }
}

void CFlipstoneView::SleepTimer() {
    tickTimer_.stop();
    timerAsleep_ = true;
}

void CFlipstoneView::WakeTimer() {
    if (timerAsleep_) {
        timerAsleep_ = false;
        tickTimer_.start();
    }
}

std::optional<Square> CFlipstoneView::SquareAt(QPoint point) const {
    if (boardSize_ == 0) {
        return std::nullopt;
    }
    const int column = FloorDiv((point.x() - boardLeft_) * 8, boardSize_);
    const int row = FloorDiv((point.y() - boardTop_) * 8, boardSize_);
    if (!Board::OnBoard(column, row)) {
        return std::nullopt;
    }
    return Square{column, row};
}

void CFlipstoneView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void CFlipstoneView::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void CFlipstoneView::keyPressEvent(QKeyEvent* event) {
    if (!OnKeyDown(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

// Qt tells that the view has the focus after this returns; the cursor's square is told after that.
void CFlipstoneView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QTimer::singleShot(0, this, [this] { BoardAccessible::FocusCursor(*this); });
}

void CFlipstoneView::OnLButtonDown(QPoint point) {
    if (const std::optional<Square> square = SquareAt(point)) {
        ClickSquare(*square);
    }
}

bool CFlipstoneView::OnKeyDown(int key) {
    switch (key) {
        case Qt::Key_Left:
            MoveKeyboardCursor(-1, 0);
            return true;
        case Qt::Key_Right:
            MoveKeyboardCursor(1, 0);
            return true;
        case Qt::Key_Up:
            MoveKeyboardCursor(0, -1);
            return true;
        case Qt::Key_Down:
            MoveKeyboardCursor(0, 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (keyboardCursorShown_) {
                ClickSquare(keyboardCursor_);
            }
            return true;
        default:
            return false;
    }
}

void CFlipstoneView::ClickSquare(Square square) {
    WakeTimer();
    if (setUpBoard_) {
        CycleSetUpSquare(square);
    } else if (!reviewBoard_) {
        document_.PlayHumanMove(square.column, square.row);
    }
}

// The first arrow key shows the cursor on the last move (d4 before any), and an arrow key that
// shows it again after the mouse hid it leaves it where it was; only then do arrows move it.
void CFlipstoneView::MoveKeyboardCursor(int columns, int rows) {
    if (keyboardCursorShown_) {
        InvalidateSquare(keyboardCursor_);
        keyboardCursor_.column = std::clamp(keyboardCursor_.column + columns, 0, 7);
        keyboardCursor_.row = std::clamp(keyboardCursor_.row + rows, 0, 7);
    } else if (keyboardCursor_.column < 0) {
        keyboardCursor_ = Board::OnBoard(lastCrossSquare_.column, lastCrossSquare_.row)
                              ? lastCrossSquare_
                              : Square{3, 3};
    }
    keyboardCursorShown_ = true;
    InvalidateSquare(keyboardCursor_);
    BoardAccessible::FocusCursor(*this);
}

void CFlipstoneView::HideKeyboardCursor() {
    if (keyboardCursorShown_) {
        keyboardCursorShown_ = false;
        InvalidateSquare(keyboardCursor_);
    }
}

void CFlipstoneView::OnMouseMove(QPoint point) {
    const std::optional<Square> square = SquareAt(point);
    if (square) {
        HideKeyboardCursor();
    }
    const bool placeable =
        square && !reviewBoard_ && !setUpBoard_ && document_.sideToMove == kHumanSide &&
        document_.board.CanPlace(square->column, square->row, document_.humanColour) &&
        document_.flipList.count == 0;
    if (placeable) {
        if (placeCursorRatio_ != devicePixelRatio()) {
            placeCursorRatio_ = devicePixelRatio();
            placeCursor_ = Artwork::PlaceCursor(placeCursorRatio_);
        }
        setCursor(placeCursor_);
    } else {
        unsetCursor();
    }
}

QRect CFlipstoneView::InvalidationBox(Square square) const {
    const int extent = std::min(width(), height());
    return BoardLayout(extent, boardLeft_, boardTop_).DiscBox(square.column, square.row);
}

void CFlipstoneView::Invalidate(const QRect& rect) {
    update(rect);
}

void CFlipstoneView::InvalidateSquare(Square square) {
    Invalidate(InvalidationBox(square));
    BoardAccessible::SquareRepainted(*this, square);
}

void CFlipstoneView::InvalidateAll() {
    Invalidate(rect());
    BoardAccessible::BoardRepainted(*this);
}

void CFlipstoneView::OnUpdate() {
    WakeTimer();
    const bool markersChanged = UpdateMarkers();
    const bool searching = document_.thinking != 0 || document_.hintState == kHintRequested;
    const bool squaresChanged = searching ? UpdateSearchMark() : UpdateMoveDisplay();
    if (document_.hintState == kHintReady) {
        // A hint search that found no move leaves the hint off the board: nothing to show.
        if (Board::OnBoard(document_.hintSquare.column, document_.hintSquare.row)) {
            InvalidateSquare(document_.hintSquare);
        }
        narrator_.HintShown();
    } else if (!markersChanged && !squaresChanged) {
        // A notice that names no square repaints the whole client area.
        InvalidateAll();
        document_.repaintFlag = 0;
    }
    if (document_.repaintFlag != 0) {
        InvalidateAll();
        document_.repaintFlag = 0;
    }
}

void CFlipstoneView::OnInitialUpdate() {
    WakeTimer();
    if (document_.MoveDisplayStepDue()) {
        update();
        return;
    }
    OnUpdate();
}

bool CFlipstoneView::UpdateMarkers() {
    if (document_.markerState == kMarkersToShow) {
        markedSquares_.count = 0;
        for (const Square square : document_.board.LegalSquares(document_.humanColour)) {
            InvalidateSquare(square);
            markedSquares_.columns[markedSquares_.count] = square.column;
            markedSquares_.rows[markedSquares_.count] = square.row;
            ++markedSquares_.count;
        }
        document_.markerState = kMarkersShown;
        ValueMarkedMoves();
        return true;
    }
    if (document_.markerState == kMarkersToErase) {
        for (int k = 0; k < markedSquares_.count; ++k) {
            InvalidateSquare(Square{markedSquares_.columns[k], markedSquares_.rows[k]});
        }
        document_.markerState = kNoMarkers;
        return true;
    }
    return false;
}

bool CFlipstoneView::UpdateSearchMark() {
    bool invalidated = false;
    if (lastExaminedMark_.column >= 0) {
        InvalidateSquare(lastExaminedMark_);
        invalidated = true;
    }
    if (document_.examinedSquare.column >= 0) {
        InvalidateSquare(document_.examinedSquare);
        lastExaminedMark_ = document_.examinedSquare;
        invalidated = true;
    }
    return invalidated;
}

bool CFlipstoneView::UpdateMoveDisplay() {
    const FlipList& move = document_.flipList;
    const int index = document_.animationIndex;
    if (move.count <= 0 || index > move.count) {
        return false;
    }
    if (index == 0) {
        InvalidateSquare(lastCrossSquare_);
        lastCrossSquare_ = Square{move.columns[0], move.rows[0]};
    }
    InvalidateSquare(Square{move.columns[index], move.rows[index]});
    if (index == 0) {
        narrator_.MoveShown();
    }
    ++document_.animationIndex;
    return true;
}

}  // namespace flipstone
