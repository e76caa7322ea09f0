// Start, Level 1..4 and Hint, their update handlers and the training-game title.
#include <gtest/gtest.h>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"

namespace flipstone {
namespace {

struct RecordedUpdate : CommandUpdate {
    void Enable(bool value) override { enabled = value; }
    void SetCheck(int value) override { checked = value; }
    bool enabled = false;
    int checked = -1;
};

// A start dialog that remembers the choice it opened with and, if asked, has a command (a level
// button) run while it is open.
class StartDialogHost : public HeadlessHost {
public:
    StartChoice openedWith{-1, -1};
    int commandWhileOpen = 0;

protected:
    void WhileStartDialogOpen(StartChoice& choice) override {
        openedWith = choice;
        if (commandWhileOpen != 0) {
            AttachedDocument()->OnCommand(commandWhileOpen);
        }
    }
};

class CommandsTest : public ::testing::Test {
protected:
    CommandsTest() : document(host, SearchMode::kSynchronous) {
        host.Attach(&document);
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    }

    void PlayOneHumanMove() {
        ASSERT_TRUE(document.TryMove(3, 2, kBlack));
        for (int i = 0; i < 40 && document.flipList.count > 0; ++i) {
            document.TurnStep();
        }
    }

    StartDialogHost host;
    CFlipstoneDoc document;
};

TEST_F(CommandsTest, StartThenCancelOnlyResetsTheTitle) {
    PlayOneHumanMove();
    const Board board = document.board;
    host.startDialogAccepts = false;
    document.levelIndex = 2;
    document.OnGameStart();
    EXPECT_EQ(host.openedWith.moveChoice, 0) << "the dialog always opens on First";
    EXPECT_EQ(host.openedWith.levelChoice, 2) << "and on the current level";
    EXPECT_EQ(host.title, "Flipstone");
    EXPECT_EQ(document.board, board);
    EXPECT_EQ(document.moveCount, 1);
    EXPECT_EQ(document.levelIndex, 2);
    EXPECT_EQ(host.cues.size(), 2u) << "only the two disc cues of the move";
}

TEST_F(CommandsTest, StartFirstAtLevelThreeGivesAFreshGameAndTheStartCue) {
    PlayOneHumanMove();
    host.cues.clear();
    host.startDialogAnswer = StartChoice{0, 2};
    document.OnGameStart();
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.levelIndex, 2);
    EXPECT_EQ(host.cues, std::vector<unsigned>{kStartCue});
}

TEST_F(CommandsTest, StartSecondLetsTheComputerOpenSilently) {
    host.startDialogAnswer = StartChoice{1, 0};
    document.OnGameStart();
    EXPECT_EQ(document.humanColour, kWhite);
    EXPECT_EQ(document.computerColour, kBlack);
    EXPECT_EQ(document.sideToMove, 1);
    EXPECT_EQ(document.markerState, 0);
    EXPECT_TRUE(host.cues.empty());
    document.TurnStep();
    EXPECT_EQ(document.thinking, 1);
    document.TurnStep();
    EXPECT_EQ(document.ComputerSearchState().position, 0) << "the first slice prepared the search";
    EXPECT_EQ(document.searchValue, -9999);
}

TEST_F(CommandsTest, LevelChangeMakesATrainingGameOnlyAfterTheFirstMove) {
    document.OnLevel4();
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(host.titleSets, 0);
    PlayOneHumanMove();
    document.OnLevel4();
    EXPECT_EQ(host.title, "Flipstone - Training game") << "even the level already set counts";
}

TEST_F(CommandsTest, LevelButtonInTheStartDialogActsAtOnceEvenWhenCancelled) {
    PlayOneHumanMove();
    host.startDialogAccepts = false;
    host.commandWhileOpen = ID_LEVEL_4;
    document.OnGameStart();
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(host.title, "Flipstone - Training game");
}

TEST_F(CommandsTest, HintRunsToReadyAndMakesATrainingGame) {
    document.OnHint();
    EXPECT_EQ(host.title, "Flipstone - Training game");
    EXPECT_EQ(document.hintState, 1);
    for (int i = 0; i < 10 && document.hintState == 1; ++i) {
        document.TurnStep();
    }
    EXPECT_EQ(document.hintState, 2);
    EXPECT_TRUE(
        document.board.CanPlace(document.hintSquare.column, document.hintSquare.row, kBlack));
    EXPECT_LT(document.searchValue, 9999) << "the value after the suggested move, not negated";
}

TEST_F(CommandsTest, HintIsIgnoredWhileTheComputerThinksOrAMoveIsShown) {
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    document.OnHint();
    EXPECT_EQ(document.hintState, 0);
    EXPECT_EQ(host.titleSets, 0);
    for (int i = 0; i < 40 && document.thinking == 0; ++i) {
        document.TurnStep();
    }
    ASSERT_EQ(document.thinking, 1);
    document.OnHint();
    EXPECT_EQ(document.hintState, 0);
    EXPECT_EQ(host.titleSets, 0);
}

TEST_F(CommandsTest, GameOverDisablesLevelsAndHintButKeepsTheCheckMark) {
    document.levelIndex = 2;
    RecordedUpdate level3;
    RecordedUpdate level1;
    RecordedUpdate hint;
    document.OnUpdateLevel3(level3);
    document.OnUpdateLevel1(level1);
    document.OnUpdateHint(hint);
    EXPECT_TRUE(level3.enabled);
    EXPECT_EQ(level3.checked, 1);
    EXPECT_EQ(level1.checked, 0);
    EXPECT_TRUE(hint.enabled);

    document.passCount = 3;
    document.OnUpdateLevel3(level3);
    document.OnUpdateHint(hint);
    EXPECT_FALSE(level3.enabled);
    EXPECT_EQ(level3.checked, 1);
    EXPECT_FALSE(hint.enabled);
    document.OnHint();
    EXPECT_EQ(document.hintState, 0);
}

}  // namespace
}  // namespace flipstone
