// What a screen reader reads of the board: each square's name as the board shows it, and the
// sentence of a move.
#include "ui/accessibility/BoardAccessible.h"

#include <gtest/gtest.h>
#include <QAccessible>

#include "ViewTestHost.h"
#include "game/CFlipstoneDoc.h"
#include "ui/accessibility/BoardNarrator.h"

namespace flipstone {
namespace {

class BoardAccessibleTest : public ::testing::Test {
protected:
    BoardAccessibleTest() : document(host, SearchMode::kSynchronous), view(document) {
        host.view = &view;
        host.Attach(&document);
        view.TickTimer().stop();
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
        document.NewGame();
    }

    void StepUntil(const std::function<bool()>& done) {
        for (int step = 0; step < 100000 && !done(); ++step) {
            document.TurnStep();
        }
    }

    std::string Name(const char* square) {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
        const Square at{square[0] - 'a', square[1] - '1'};
        return board->child(BoardAccessible::IndexOf(at))->text(QAccessible::Name).toStdString();
    }

    testing::ViewTestHost host;
    CFlipstoneDoc document;
    CFlipstoneView view;
};

TEST_F(BoardAccessibleTest, SquaresAreNamedWithTheirContentAndMarks) {
    const struct {
        const char* square;
        const char* atStart;
        const char* afterD3AndTheReply;
        const char* withTheHint;
    } squares[] = {
        {"d3", "d3, empty, legal move", "d3, black", "d3, black"},
        {"d4", "d4, white", "d4, white", "d4, white"},
        {"e4", "e4, black", "e4, black", "e4, black"},
        {"c3", "c3, empty", "c3, white, last move", "c3, white, last move"},
        {"b3", "b3, empty", "b3, empty, legal move", "b3, empty, legal move"},
        {"c4", "c4, empty, legal move", "c4, empty, legal move", "c4, empty, legal move, hint"},
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&view)->childCount(), 64);
    for (const auto& square : squares) {
        EXPECT_EQ(Name(square.square), square.atStart);
    }
    document.PlayHumanMove(3, 2);
    StepUntil([&] { return document.WaitsForTheHuman(); });
    for (const auto& square : squares) {
        EXPECT_EQ(Name(square.square), square.afterD3AndTheReply);
    }
    document.OnHint();
    StepUntil([&] { return document.hintState == kHintReady; });
    for (const auto& square : squares) {
        EXPECT_EQ(Name(square.square), square.withTheHint);
    }
}

TEST(BoardNarratorTest, MoveSentenceNamesTheMoveAndTheTurnedDiscs) {
    FlipList one;
    one.count = 1;
    one.columns[0] = 3, one.rows[0] = 2, one.columns[1] = 3, one.rows[1] = 3;
    FlipList three = one;
    three.count = 3;
    three.columns[2] = 4, three.rows[2] = 3, three.columns[3] = 5, three.rows[3] = 3;
    EXPECT_EQ(BoardNarrator::MoveSentence(kBlack, one), "Black d3, turns d4");
    EXPECT_EQ(BoardNarrator::MoveSentence(kWhite, three), "White d3, turns d4, e4 and f4");
}

}  // namespace
}  // namespace flipstone
