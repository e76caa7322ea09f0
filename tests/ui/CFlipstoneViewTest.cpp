// The board view: the painted picture and its geometry, the mouse, the cursor and the repaints
// that notifications ask for.
#include "ui/CFlipstoneView.h"

#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "ViewTestHost.h"
#include "game/CFlipstoneDoc.h"

namespace flipstone {
namespace {

const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kGrey = qRgb(127, 127, 127);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kMarker = qRgb(127, 127, 159);
const QRgb kHintRim = qRgb(95, 95, 119);
const QRgb kExamined = qRgb(255, 128, 128);

// The real view, with every repaint it asks for recorded while `recording` is set.
class RecordingView : public CFlipstoneView {
public:
    using CFlipstoneView::CFlipstoneView;

    bool recording = false;
    std::vector<QRect> invalidated;

protected:
    void Invalidate(const QRect& rect) override {
        if (recording) {
            invalidated.push_back(rect);
        }
        CFlipstoneView::Invalidate(rect);
    }
};

class ViewTest : public ::testing::Test {
protected:
    ViewTest() : document(host, SearchMode::kSynchronous), view(document) {
        host.view = &view;
        host.Attach(&document);
        view.TickTimer().stop();
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
        view.resize(400, 300);
        document.NewGame();
    }

    // Paints the view at its size, which also stores its layout.
    QImage Render() {
        image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return image;
    }

    QRgb Pixel(int x, int y) const { return image.pixel(x, y); }

    void Record() {
        invalidated.clear();
        view.recording = true;
    }

    QRect Box(int left, int top, int right, int bottom) {
        return QRect(left, top, right - left, bottom - top);
    }

    QPoint CentreOf(int column, int row) {
        return view.InvalidationBox(Square{column, row}).center();
    }

    void MoveMouseTo(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(view.mapToGlobal(point)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
    }

    testing::ViewTestHost host;
    CFlipstoneDoc document;
    RecordingView view;
    QImage image;
    std::vector<QRect>& invalidated = view.invalidated;
};

// ---- The picture ----

TEST_F(ViewTest, LandscapeClientPutsBoardGridAndShadowAtTheStatedPixels) {
    Render();
    EXPECT_EQ(view.BoardSize(), 240);
    EXPECT_EQ(view.BoardLeft(), 80);
    EXPECT_EQ(view.BoardTop(), 30);
    EXPECT_EQ(Pixel(0, 0), kGreen);
    EXPECT_EQ(Pixel(79, 150), kGreen);
    EXPECT_EQ(Pixel(150, 29), kGreen);
    EXPECT_EQ(Pixel(85, 35), kGrey);
    EXPECT_EQ(Pixel(319, 269), kGrey) << "the grey fill ends where the last grid lines lie";
    for (int k = 0; k <= 8; ++k) {
        const int offset = 30 * k;
        EXPECT_EQ(Pixel(80 + offset, 40), kBlackPixel) << "vertical line " << k;
        EXPECT_EQ(Pixel(100, 30 + offset), kBlackPixel) << "horizontal line " << k;
    }
    EXPECT_EQ(Pixel(111, 40), kGrey);
    EXPECT_EQ(Pixel(100, 61), kGrey);
    EXPECT_EQ(Pixel(320, 44), kBlackPixel) << "the last vertical line";
    EXPECT_EQ(Pixel(321, 44), kGreen) << "above the right shadow strip";
    EXPECT_EQ(Pixel(321, 45), kBlackPixel);
    EXPECT_EQ(Pixel(334, 284), kBlackPixel);
    EXPECT_EQ(Pixel(335, 284), kGreen);
    EXPECT_EQ(Pixel(334, 285), kGreen);
    EXPECT_EQ(Pixel(94, 284), kGreen) << "left of the bottom shadow strip";
    EXPECT_EQ(Pixel(95, 284), kBlackPixel);
    EXPECT_EQ(Pixel(95, 271), kBlackPixel);
    EXPECT_EQ(Pixel(79, 271), kGreen);
}

TEST_F(ViewTest, DiscsFillTheirBoxesAndTheCrossMarksTheLastMove) {
    document.board.Set(0, 0, kBlack);
    document.board.Set(7, 7, kWhite);
    document.flipList.columns[0] = 0;
    document.flipList.rows[0] = 0;
    Render();
    // Black disc in (81, 31)-(108, 58), the cross over it.
    EXPECT_EQ(Pixel(81, 44), kBlackPixel);
    EXPECT_EQ(Pixel(107, 44), kBlackPixel);
    EXPECT_EQ(Pixel(108, 44), kGrey);
    EXPECT_EQ(Pixel(94, 31), kBlackPixel);
    EXPECT_EQ(Pixel(94, 57), kBlackPixel);
    EXPECT_EQ(Pixel(94, 58), kGrey);
    EXPECT_EQ(Pixel(95, 35), kBlackPixel) << "above the cross";
    EXPECT_EQ(Pixel(95, 36), kRed);
    EXPECT_EQ(Pixel(95, 53), kRed);
    EXPECT_EQ(Pixel(95, 54), kBlackPixel) << "the end point is not drawn";
    EXPECT_EQ(Pixel(85, 45), kBlackPixel);
    EXPECT_EQ(Pixel(86, 45), kRed);
    EXPECT_EQ(Pixel(103, 45), kRed);
    EXPECT_EQ(Pixel(104, 45), kBlackPixel);
    // White disc in (291, 241)-(318, 268) with a black rim.
    EXPECT_EQ(Pixel(304, 254), kWhitePixel);
    EXPECT_EQ(Pixel(291, 254), kBlackPixel);
    EXPECT_EQ(Pixel(292, 254), kWhitePixel);
    EXPECT_EQ(Pixel(317, 254), kBlackPixel);
    EXPECT_EQ(Pixel(318, 254), kGrey);
    EXPECT_EQ(Pixel(304, 241), kBlackPixel);
    EXPECT_EQ(Pixel(304, 267), kBlackPixel);
    EXPECT_EQ(Pixel(304, 268), kGrey);
}

TEST_F(ViewTest, PortraitClientUsesIntegerGridAndRealUnitForDiscs) {
    view.resize(333, 500);
    document.board.Set(0, 0, kBlack);
    document.board.Set(7, 7, kWhite);
    Render();
    EXPECT_EQ(view.BoardSize(), 266);
    EXPECT_EQ(view.BoardLeft(), 33);
    EXPECT_EQ(view.BoardTop(), 117);
    EXPECT_EQ(Pixel(20, 116), kGreen);
    for (const int offset : {0, 33, 66, 99, 133, 166, 199, 233, 266}) {
        EXPECT_EQ(Pixel(33 + offset, 125), kBlackPixel) << "vertical line at " << offset;
        EXPECT_EQ(Pixel(45, 117 + offset), kBlackPixel) << "horizontal line at " << offset;
    }
    EXPECT_EQ(Pixel(165, 125), kGrey);
    EXPECT_EQ(Pixel(167, 125), kGrey);
    // Square (0, 0): (34, 118)-(64, 148).
    EXPECT_EQ(Pixel(34, 133), kBlackPixel);
    EXPECT_EQ(Pixel(63, 133), kBlackPixel);
    EXPECT_EQ(Pixel(64, 133), kGrey);
    EXPECT_EQ(Pixel(49, 118), kBlackPixel);
    EXPECT_EQ(Pixel(49, 147), kBlackPixel);
    EXPECT_EQ(Pixel(49, 148), kGrey);
    // Square (7, 7): (267, 351)-(297, 381).
    EXPECT_EQ(Pixel(282, 366), kWhitePixel);
    EXPECT_EQ(Pixel(267, 366), kBlackPixel);
    EXPECT_EQ(Pixel(296, 366), kBlackPixel);
    EXPECT_EQ(Pixel(297, 366), kGrey);
    EXPECT_EQ(Pixel(282, 380), kBlackPixel);
    EXPECT_EQ(Pixel(282, 381), kGrey);
    // Shadow: s = 16, e = 283.05.
    EXPECT_EQ(Pixel(300, 132), kGreen);
    EXPECT_EQ(Pixel(300, 133), kBlackPixel);
    EXPECT_EQ(Pixel(315, 399), kBlackPixel);
    EXPECT_EQ(Pixel(316, 399), kGreen);
    EXPECT_EQ(Pixel(315, 400), kGreen);
    EXPECT_EQ(Pixel(48, 399), kGreen);
    EXPECT_EQ(Pixel(49, 399), kBlackPixel);
}

TEST_F(ViewTest, OneAndZeroPixelClientsShowOnlyGreenAndMissEveryClick) {
    for (const QSize size : {QSize(400, 1), QSize(1, 300), QSize(1, 1), QSize(7, 9)}) {
        view.resize(size);
        document.flipList.columns[0] = 3;
        document.flipList.rows[0] = 3;
        document.markerState = 1;
        view.OnUpdate();
        Render();
        if (size.width() == 1 || size.height() == 1) {
            EXPECT_EQ(view.BoardSize(), 0);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    ASSERT_EQ(Pixel(x, y), kGreen)
                        << x << "," << y << " at " << size.width() << "x" << size.height();
                }
            }
            EXPECT_FALSE(view.SquareAt(QPoint(0, 0)));
        }
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(0, 0));
        MoveMouseTo(QPoint(0, 0));
    }
    view.resize(0, 0);
    view.OnUpdate();
    Render();
    EXPECT_EQ(document.moveCount, 0);
}

TEST_F(ViewTest, MarkersShowOnlyInMarkerStateTwo) {
    ASSERT_EQ(document.markerState, 2);
    ASSERT_EQ(view.MarkedSquares().count, 4);
    Render();
    const QPoint marker = CentreOf(3, 2);
    EXPECT_EQ(Pixel(marker.x(), marker.y()), kMarker);
    for (const int state : {0, 1, -1}) {
        document.markerState = state;
        Render();
        EXPECT_EQ(Pixel(marker.x(), marker.y()), kGrey) << "marker state " << state;
    }
}

TEST_F(ViewTest, ExaminedSquareAndHintHaveTheirOwnColours) {
    document.examinedSquare = Square{0, 0};
    document.hintState = 2;
    document.hintSquare = Square{7, 7};
    Render();
    EXPECT_EQ(Pixel(94, 44), kExamined);
    EXPECT_EQ(Pixel(81, 44), kRed) << "the examined disc's rim";
    EXPECT_EQ(Pixel(304, 254), kMarker);
    EXPECT_EQ(Pixel(291, 254), kHintRim);
    document.hintState = 1;
    document.board.Set(0, 0, 3);
    document.examinedSquare = Square{};
    Render();
    EXPECT_EQ(Pixel(304, 254), kGrey) << "the hint shows only when it is ready";
    EXPECT_EQ(Pixel(94, 44), kGrey) << "a square holding neither colour gets no disc";
}

// ---- Mouse and cursor ----

TEST_F(ViewTest, PointsMapToSquaresByTrueFloorAndMissOutsideTheBoard) {
    EXPECT_FALSE(view.SquareAt(QPoint(200, 150))) << "nothing is hit before the first paint";
    Render();
    EXPECT_EQ(view.SquareAt(QPoint(80, 30)), (Square{0, 0}));
    EXPECT_EQ(view.SquareAt(QPoint(319, 269)), (Square{7, 7}));
    EXPECT_EQ(view.SquareAt(QPoint(110, 59)), (Square{1, 0}));
    for (const QPoint miss : {QPoint(79, 30), QPoint(80, 29), QPoint(320, 100), QPoint(100, 270),
                              QPoint(50, 20), QPoint(-5, -5)}) {
        EXPECT_FALSE(view.SquareAt(miss)) << miss.x() << "," << miss.y();
    }
}

TEST_F(ViewTest, ClickOnALegalSquarePlaysItAndClearsMarkersAndHint) {
    Render();
    document.hintState = 2;
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    EXPECT_EQ(document.flipList.count, 1);
    EXPECT_EQ(document.flipList.columns[0], 3);
    EXPECT_EQ(document.flipList.rows[0], 2);
    EXPECT_EQ(document.markerState, -1);
    EXPECT_EQ(document.hintState, 0);
    EXPECT_EQ(document.board.At(3, 2), kEmpty) << "the disc appears at a later tick";
}

TEST_F(ViewTest, ClicksMissingIllegalOrOutOfTurnChangeNothing) {
    Render();
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(79, 100));
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(0, 0));
    QTest::mouseClick(&view, Qt::RightButton, {}, CentreOf(3, 2));
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.markerState, 2);

    document.sideToMove = 1;
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    EXPECT_EQ(document.moveCount, 0) << "the computer is to move";

    document.sideToMove = 0;
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    ASSERT_EQ(document.moveCount, 1);
    view.OnTimer();
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(2, 3));
    EXPECT_EQ(document.moveCount, 1) << "the first move is still being shown";
    EXPECT_EQ(document.flipList.columns[0], 3);
}

TEST_F(ViewTest, PlaceCursorShowsOnlyWhereAClickWouldPlaceADisc) {
    Render();
    MoveMouseTo(CentreOf(3, 2));
    EXPECT_EQ(view.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view.cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(view.cursor().pixmap().size(), QSize(32, 32));
    MoveMouseTo(CentreOf(0, 0));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    document.sideToMove = 1;
    MoveMouseTo(CentreOf(3, 2));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor) << "the computer is to move";
    document.sideToMove = 0;
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    MoveMouseTo(CentreOf(2, 3));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor) << "a move is being shown";
}

// ---- The timer ----

TEST_F(ViewTest, TimerSleepsWhileTheHumanIsToMoveAndTheClickWakesItForTheNextTick) {
    Render();
    view.TickTimer().start(CFlipstoneDoc::kTickPeriodMs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.TickTimer().isActive(); }));
    EXPECT_TRUE(view.TimerAsleep()) << "nothing can change until the human acts";

    QSignalSpy ticks(&view.TickTimer(), &QTimer::timeout);
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    EXPECT_TRUE(view.TickTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return document.board.At(3, 2) == kBlack; }));
    EXPECT_EQ(ticks.count(), 1) << "the first disc on the tick after the click, as if awake";
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.TimerAsleep(); }, 20000))
        << "asleep again once the computer has replied";
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(document.moveCount, 2);
}

TEST_F(ViewTest, ATimerStoppedByOthersStaysStopped) {
    Render();
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    view.OnUpdate();
    EXPECT_FALSE(view.TickTimer().isActive());
}

// ---- The keyboard ----

TEST_F(ViewTest, KeyboardCursorShowsOnD4MovesStopsAtEdgesAndHidesUnderTheMouse) {
    Render();
    const QRgb before = Pixel(Box(171, 121, 198, 148).topLeft().x() + 1, 122);
    Record();
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(view.KeyboardCursor(), (Square{3, 3})) << "the first arrow only shows it, on d4";
    EXPECT_EQ(invalidated, std::vector<QRect>{Box(171, 121, 198, 148)}) << "its box alone";
    Render();
    EXPECT_EQ(Pixel(172, 122), qRgb(255, 255, 0)) << "a frame along the box";
    EXPECT_EQ(Pixel(184, 134), kWhitePixel) << "the disc inside shows through";

    for (int k = 0; k < 5; ++k) {
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Down);
    }
    EXPECT_EQ(view.KeyboardCursor(), (Square{0, 7})) << "stopped at the edges";

    MoveMouseTo(CentreOf(5, 5));
    EXPECT_FALSE(view.KeyboardCursorShown());
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.KeyboardCursor(), (Square{0, 7})) << "shown again where it was";
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(view.KeyboardCursor(), (Square{0, 6}));
    MoveMouseTo(CentreOf(5, 5));
    Render();
    EXPECT_EQ(Pixel(172, 122), before) << "gone without a trace";
}

TEST_F(ViewTest, WholeGameByKeyboardAgainstLevelOne) {
    Render();
    document.levelIndex = 0;
    int movesByKey = 0;
    for (int step = 0; step < 200000 && !document.IsGameOver(); ++step) {
        const bool humanToClick = document.sideToMove == 0 && document.flipList.count == 0 &&
                                  document.thinking == 0 &&
                                  document.board.HasLegalMove(document.humanColour);
        if (humanToClick) {
            Square target;
            for (int index = 0; index < 64; ++index) {
                if (document.board.CanPlace(index / 8, index % 8, document.humanColour)) {
                    target = Square{index / 8, index % 8};
                }
            }
            QTest::keyClick(&view, Qt::Key_Up);  // shows the cursor, or moves it
            while (view.KeyboardCursor().column != target.column) {
                QTest::keyClick(&view, view.KeyboardCursor().column < target.column ? Qt::Key_Right
                                                                                    : Qt::Key_Left);
            }
            while (view.KeyboardCursor().row != target.row) {
                QTest::keyClick(&view,
                                view.KeyboardCursor().row < target.row ? Qt::Key_Down : Qt::Key_Up);
            }
            QTest::keyClick(&view, movesByKey % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
            ASSERT_GT(document.flipList.count, 0) << "the key played the move";
            ++movesByKey;
        }
        view.OnTimer();
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    }
    EXPECT_TRUE(document.IsGameOver());
    EXPECT_GT(movesByKey, 10);
}

// ---- Repaints asked for by notifications ----

TEST_F(ViewTest, NewGameMarksFourSquaresAndRepaintsTheWholeClientOnce) {
    Render();
    Record();
    document.NewGame();
    const std::vector<QRect> expected = {
        Box(171, 91, 198, 118),   // (3, 2)
        Box(141, 121, 168, 148),  // (2, 3)
        Box(231, 151, 258, 178),  // (5, 4)
        Box(201, 181, 228, 208),  // (4, 5)
        view.rect(),
    };
    EXPECT_EQ(invalidated, expected);
    EXPECT_EQ(view.MarkedSquares().count, 4);
    EXPECT_EQ(document.markerState, 2);
    EXPECT_EQ(document.repaintFlag, 0);
}

TEST_F(ViewTest, ClickRepaintsNothingUntilTheFirstDiscStep) {
    Render();
    Record();
    QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(3, 2));
    EXPECT_TRUE(invalidated.empty());
    view.OnTimer();
    const std::vector<QRect> expected = {
        Box(171, 91, 198, 118),   // the four markers
        Box(141, 121, 168, 148),  //
        Box(231, 151, 258, 178),  //
        Box(201, 181, 228, 208),  //
        Box(51, 1, 78, 28),       // the cross's old square (-1, -1), outside the board
        Box(171, 91, 198, 118),   // the move's square
    };
    EXPECT_EQ(invalidated, expected);
    EXPECT_EQ(view.LastCrossSquare(), (Square{3, 2}));
    EXPECT_EQ(document.animationIndex, 1);
}

TEST_F(ViewTest, MoveTurningTwoDiscsTakesThreeDisplayStepsOfOneBoxEach) {
    // Black at (2, 4) brackets (3, 4) against (4, 4) and (3, 3) against (4, 2).
    document.board.Set(4, 4, kBlack);
    document.board.Set(4, 2, kBlack);
    document.board.Set(3, 4, kWhite);
    document.board.Set(3, 3, kWhite);
    Render();
    ASSERT_TRUE(document.TryMove(2, 4, kBlack));
    ASSERT_EQ(document.flipList.count, 2);
    document.markerState = 0;
    Record();
    int steps = 0;
    while (document.flipList.count > 0 && steps < 100) {
        view.OnTimer();
        if (!invalidated.empty() && document.animationIndex <= 3) {
            ++steps;
        }
        invalidated.clear();
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    }
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(document.board.At(3, 4), kBlack);
    EXPECT_EQ(document.board.At(3, 3), kBlack);
    EXPECT_EQ(document.sideToMove, 1);
}

TEST_F(ViewTest, NotificationNamingNothingRepaintsTheWholeClient) {
    Render();
    Record();
    view.OnUpdate();
    EXPECT_EQ(invalidated, std::vector<QRect>{view.rect()});
}

TEST_F(ViewTest, SearchMarkRepaintsTheOldAndTheNewExaminedSquare) {
    Render();
    document.thinking = 1;
    document.examinedSquare = Square{0, 0};
    Record();
    view.OnUpdate();
    EXPECT_EQ(invalidated, std::vector<QRect>{Box(81, 31, 108, 58)});
    invalidated.clear();
    document.examinedSquare = Square{7, 7};
    view.OnUpdate();
    EXPECT_EQ(invalidated, (std::vector<QRect>{Box(81, 31, 108, 58), Box(291, 241, 318, 268)}));
    invalidated.clear();
    document.examinedSquare = Square{};
    view.OnUpdate();
    EXPECT_EQ(invalidated, std::vector<QRect>{Box(291, 241, 318, 268)});
}

TEST_F(ViewTest, ReadyHintRepaintsItsSquareAndAHintOffTheBoardNothing) {
    Render();
    document.hintState = 2;
    document.hintSquare = Square{7, 7};
    Record();
    view.OnUpdate();
    EXPECT_EQ(invalidated, std::vector<QRect>{Box(291, 241, 318, 268)});

    // A hint search that found no move leaves the hint square at (-1, -1).
    document.hintSquare = Square{};
    invalidated.clear();
    view.OnUpdate();
    EXPECT_TRUE(invalidated.empty());
    Render();
    EXPECT_EQ(Pixel(64, 14), kGreen) << "no hint disc in the margin above the board";
}

}  // namespace
}  // namespace flipstone
