// The soak's checker must notice each kind of broken document it is there to find.
#include "soak/DocumentInvariants.h"

#include <gtest/gtest.h>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone::soak {
namespace {

class DocumentInvariantsTest : public ::testing::Test {
protected:
    DocumentInvariantsTest()
        : document(host, SearchMode::kSynchronous), invariants(document, host) {
        host.Attach(&document);
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
        document.NewGame();
        invariants.GameStarted("New");
    }

    void Step() {
        document.TurnStep();
        invariants.ObserveStep("a step");
    }

    // The human (black) plays d3: the disc at d4 turns.
    void PlayD3() {
        const bool accepted = document.TryMove(3, 2, kBlack);
        invariants.ObserveClick(accepted);
        ASSERT_TRUE(accepted);
    }

    HeadlessHost host;
    CFlipstoneDoc document;
    DocumentInvariants invariants;
};

TEST_F(DocumentInvariantsTest, AWholeMoveShownAndHandedOverPassesEveryCheck) {
    PlayD3();
    for (int i = 0; i < 40; ++i) {
        Step();
    }
    EXPECT_EQ(document.sideToMove, 1);
    EXPECT_EQ(invariants.FailureCount(), 0);
    EXPECT_GT(invariants.ChecksMade(), 40 * 10);
}

TEST_F(DocumentInvariantsTest, AnAnimationIndexPastTheListIsCaught) {
    PlayD3();
    document.animationIndex = document.flipList.count + 2;
    invariants.Observe("a corrupted index");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AnIndexLeftOverWithNoMoveShownIsCaught) {
    document.animationIndex = 1;
    invariants.Observe("a corrupted index");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, ASquareCodeOutsideZeroToTwoIsCaught) {
    document.board.Set(0, 0, 3);
    invariants.Observe("a corrupted square");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AMoveCountWithoutAnAcceptedMoveIsCaught) {
    ++document.moveCount;
    invariants.Observe("a miscounted move");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, APassCountLeftAfterAnAcceptedMoveIsCaught) {
    document.passCount = 1;
    invariants.Observe("a pass");
    EXPECT_EQ(invariants.FailureCount(), 0);
    const bool accepted = document.TryMove(3, 2, kBlack);
    document.passCount = 1;
    invariants.ObserveClick(accepted);
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, ADiscSetInTheWrongColourIsCaught) {
    PlayD3();
    Step();
    ASSERT_EQ(document.board.At(3, 2), kBlack);
    EXPECT_EQ(invariants.FailureCount(), 0);
    document.board.Set(3, 2, kWhite);
    invariants.Observe("a wrong disc");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AGameOverWhileASideCanMoveIsCaught) {
    document.passCount = 3;
    invariants.Observe("a premature end");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AGameThatDoesNotEndWhenNeitherSideCanMoveIsCaught) {
    // A full board: neither side can move. A turn cycle that never ended the game would step on.
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            document.board.Set(column, row, column < 4 ? kBlack : kWhite);
        }
    }
    for (int i = 0; i < 5; ++i) {
        document.passCount = 0;
        invariants.ObserveStep("a step that forgets the passes");
    }
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AGameEndedBeforeTheThirdFindingIsCaught) {
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            document.board.Set(column, row, column < 4 ? kBlack : kWhite);
        }
    }
    invariants.ObserveStep("the hand-over");
    document.passCount = 1;
    invariants.ObserveStep("the first finding");
    EXPECT_EQ(invariants.FailureCount(), 0);
    document.passCount = 3;
    invariants.ObserveStep("an end on the second finding");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AWrongGameOverTextIsCaught) {
    document.passCount = 3;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            document.board.Set(column, row, column < 5 ? kBlack : kWhite);
        }
    }
    invariants.ObserveGameOver("You Win.");
    EXPECT_EQ(invariants.FailureCount(), 0);
    invariants.ObserveGameOver("You Lose");
    EXPECT_GT(invariants.FailureCount(), 0);
}

TEST_F(DocumentInvariantsTest, AChangeWhereNoneIsAllowedIsCaught) {
    const DocumentInvariants::Snapshot before = invariants.Take();
    invariants.ExpectUnchangedSince(before, "nothing happened");
    EXPECT_EQ(invariants.FailureCount(), 0);
    document.markerState = 2;
    invariants.ExpectUnchangedSince(before, "the markers changed");
    EXPECT_EQ(invariants.FailureCount(), 1);
    ASSERT_EQ(invariants.Failures().size(), 1U);
    EXPECT_NE(invariants.Failures()[0].find("the markers changed"), std::string::npos);
}

TEST_F(DocumentInvariantsTest, ALeftOverWaitCursorIsCaught) {
    host.BeginWaitCursor();
    invariants.Observe("a search slice");
    EXPECT_GT(invariants.FailureCount(), 0);
}

}  // namespace
}  // namespace flipstone::soak
