// The review beside the board and the move values, in the real frame: what they show on the board
// and in their widgets, by keys and by mouse, on light and dark palettes.
#include "ui/review/ReviewPanel.h"

#include <QRadioButton>
#include <QTableWidget>

#include "FrameTestFixture.h"
#include "game/records/RecordReader.h"
#include "ui/accessibility/SquareText.h"
#include "ui/explore/PlayFromHereDialog.h"
#include "ui/review/ReviewGraph.h"
#include "ui/review/ReviewMoveList.h"

namespace flipstone {
namespace {

// A whole game: flipstone-cli selfplay --games 1 --levels 3,3 --seed 7.
constexpr const char* kWholeGame =
    "e6f6c4d6g7g6f7h8f5e8d7f4g5h4h5h6h7c7c6e7h3g4f3b6d8g3b5c8e3c5b4a5a6a3b3a4c3d2d3f8g8e2f1"
    "f2c1e1d1h2g1b2c2b1a1a2g2h1b7a8a7b8";

QRgb Pixel(const QImage& image, QPoint point) {
    return image.pixel(point) & 0xFFFFFF;
}

class ReviewPanelTest : public testing::FrameTest {
protected:
    // The game's last 12 moves, from its position with 12 empty squares: the review solves every
    // position of it at once.
    void LoadLateGame() {
        const GameRecord whole = *ReadGameRecord(kWholeGame).record;
        const Position late = whole.PositionAfter(48);
        GameRecord record;
        record.start = late.GetBoard();
        record.firstToMove = late.ToMove();
        record.moves.assign(whole.moves.begin() + 48, whole.moves.end());
        document.LoadRecord(record);
    }

    ReviewPanel& ReviewToTheEnd() {
        frame.OnReviewGame();
        EXPECT_TRUE(RunEventsUntil([&] { return frame.Review()->Shown().Complete(); }));
        return *frame.Review();
    }

    QImage Board() { return View().grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(ReviewPanelTest, SelectingAMoveByKeysShowsItsPositionAndClosingReturnsToTheGame) {
    ShowFrame();
    LoadLateGame();
    ReviewPanel& review = ReviewToTheEnd();
    ReviewMoveList& list = review.MoveList();
    ASSERT_EQ(list.rowCount(), 12);
    ASSERT_NE(list.item(0, ReviewMoveList::kValue), nullptr) << "every value came";

    list.setFocus();
    list.setCurrentCell(10, 0);
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(list.CurrentPly(), 12);
    const ReviewPosition& before = review.Shown().Position(11);
    const MoveReview move = *review.Shown().Move(12);
    EXPECT_TRUE(View().ShowsReviewPosition());
    EXPECT_EQ(View().ShownBoard(), before.board);
    EXPECT_EQ(review.Graph().SelectedPly(), 11);
    const QImage shown = Board();
    EXPECT_EQ(Pixel(shown, View().InvalidationBox(move.best).center()), 0x7F7F9Fu)
        << "the best move's disc";
    EXPECT_TRUE(SquareText(View(), move.move).contains("move played"));

    // A click on the graph selects the move played from that position.
    const QRect graph = review.Graph().rect();
    QTest::mouseClick(&review.Graph(), Qt::LeftButton, {},
                      QPoint(graph.right() - 6, graph.center().y()));
    EXPECT_EQ(list.CurrentPly(), 12);

    review.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(View().ShowsReviewPosition());
    EXPECT_EQ(View().ShownBoard(), document.board);
}

TEST_F(ReviewPanelTest, PlayFromHereStartsAGameFromTheSelectedMovesPosition) {
    ShowFrame();
    LoadLateGame();
    ReviewPanel& review = ReviewToTheEnd();
    review.MoveList().setCurrentCell(3, 0);
    const ReviewPosition before = review.Shown().Position(3);
    // The dialog proposes the colour to move; the human takes the other.
    WhenShown<PlayFromHereDialog>([](PlayFromHereDialog*) { return true; },
                                  [&](PlayFromHereDialog* dialog) {
                                      EXPECT_EQ(dialog->HumanColour(), before.mover);
                                      const int other = before.mover == kBlack ? 1 : 0;
                                      dialog->findChildren<QRadioButton*>().at(other)->click();
                                      dialog->accept();
                                  });
    Action(ID_EDIT_PLAY_FROM_HERE).trigger();
    EXPECT_FALSE(review.isVisible());
    EXPECT_EQ(document.board, before.board);
    EXPECT_EQ(document.humanColour, Opponent(before.mover));
    for (int step = 0; step < 5000 && !document.HumanMayMove(); ++step) {
        View().OnTimer();
    }
    EXPECT_EQ(document.History().Record().moves.size(), 4u) << "3 moves kept, the computer's";
}

TEST_F(ReviewPanelTest, TheGraphReadsOnADarkPaletteAndSaysItsValue) {
    ReviewGraph graph;
    graph.resize(200, 100);
    graph.SetValues({0, 6, -10, 24});
    graph.SetSelectedPly(1);
    EXPECT_EQ(graph.accessibleDescription(), "after move 1, Black +6");
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(40, 80, 160));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    graph.setPalette(dark);
    const QImage image = graph.grab().toImage();
    // Above the middle line the last position's bar (black ahead) stands in the text's colour
    // beside the base of the third (white ahead, below the line).
    const int aboveMiddle = image.height() / 2 - 10;
    const QColor bar = image.pixelColor(image.width() - 8, aboveMiddle);
    const QColor base = image.pixelColor(image.width() - 60, aboveMiddle);
    EXPECT_GT(bar.lightness() - base.lightness(), 150);
}

TEST_F(ReviewPanelTest, MoveValuesAreWrittenOnTheMarkersAndSpoken) {
    ShowFrame();
    // Black, the human, to move with 10 empty squares left: the values are exact at once.
    GameRecord record = *ReadGameRecord(kWholeGame).record;
    record.moves.resize(50);
    ASSERT_EQ(record.FinalPosition().ToMove(), kBlack);
    document.LoadRecord(record);
    QCoreApplication::processEvents();
    Action(ID_VIEW_MOVE_VALUES).trigger();
    EXPECT_EQ(host.title, kTrainingTitle);
    const FlipList& marked = View().MarkedSquares();
    ASSERT_GT(marked.count, 0);
    const Square first{marked.columns[0], marked.rows[0]};
    ASSERT_TRUE(RunEventsUntil([&] { return View().MoveValueAt(first).has_value(); }));
    const QImage image = Board();
    const QRect box = View().InvalidationBox(first);
    int written = 0;
    for (int x = box.left(); x <= box.right(); ++x) {
        written += Pixel(image, QPoint(x, box.center().y())) == 0xFFFFFFu ? 1 : 0;
    }
    EXPECT_GT(written, 0) << "the value's digits on the marker";
    EXPECT_TRUE(
        SquareText(View(), first).contains(QRegularExpression("legal move, (plus|minus|even)")))
        << SquareText(View(), first).toStdString();
}

}  // namespace
}  // namespace flipstone
