#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/FlipList.h"
#include "engine/RootSearchState.h"
#include "engine/SearchKernel.h"
#include "engine/Square.h"
#include "game/CommandUpdate.h"
#include "game/DocumentHost.h"
#include "game/GameHistory.h"
#include "game/SearchWorker.h"
#include "game/StrongestComputer.h"
#include "game/TranslatableText.h"

namespace flipstone {

// Command ids shared by the menu, the toolbar and the start dialog's level buttons.
enum CommandId : int {
    ID_SET_SOUND = 32771,
    ID_LEVEL_1 = 32772,
    ID_LEVEL_2 = 32773,
    ID_LEVEL_3 = 32774,
    ID_LEVEL_4 = 32775,
    ID_LEVEL_STRONGEST = 32795,
    ID_GAME_START = 32778,
    ID_GAME_HINT = 32780,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_ANALYSIS = 32797,
};

// Sound cue ids.
enum CueId : unsigned { kDiscCue = 143, kStartCue = 144 };

// The codes the document's state fields hold.
// Sides: who is to move.
inline constexpr std::int32_t kHumanSide = 0;
inline constexpr std::int32_t kComputerSide = 1;
// Marker state: the human's legal-move markers on the board.
inline constexpr std::int32_t kMarkersToErase = -1;
inline constexpr std::int32_t kNoMarkers = 0;
inline constexpr std::int32_t kMarkersToShow = 1;
inline constexpr std::int32_t kMarkersShown = 2;
// Hint state.
inline constexpr std::int32_t kNoHint = 0;
inline constexpr std::int32_t kHintRequested = 1;
inline constexpr std::int32_t kHintReady = 2;
// The pass count at which the game is over.
inline constexpr std::int32_t kGameOverPasses = 3;
// The level index beyond the four levels: the strongest player is the computer.
inline constexpr std::int32_t kStrongestLevel = 4;

inline constexpr const char* kPlainTitle = FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "Flipstone");
inline constexpr const char* kTrainingTitle =
    FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "Flipstone - Training game");
inline constexpr const char* kUntitled = FLIPSTONE_TRANSLATABLE("CFlipstoneDoc", "Untitled");

// The one game document: all state of the game in progress, the timed turn cycle, the
// computer's sliced root searches and the game commands. Side 0 is the human, side 1 the computer.
class CFlipstoneDoc {
public:
    // The computer player's searches run as the mode says (threaded for the window, whose thread
    // must not wait for them), on the given kernel: the fastest this processor runs unless told
    // otherwise.
    CFlipstoneDoc(DocumentHost& host, SearchMode mode,
                  const SearchKernel& kernel = SearchKernel::Best());
    // Abandons any search and ends the search thread.
    ~CFlipstoneDoc();
    CFlipstoneDoc(const CFlipstoneDoc&) = delete;
    CFlipstoneDoc& operator=(const CFlipstoneDoc&) = delete;

    // Game state. The views and the status bar read these; the view writes the marker state,
    // the hint state, the animation index and the repaint flag as its update rules say.
    std::int32_t searchValue = 0;
    std::uint8_t computerColour = kWhite;
    std::uint8_t humanColour = kBlack;
    std::int32_t moveCount = 0;
    std::int32_t levelIndex = 1;
    Board board;
    std::int32_t sideToMove = kHumanSide;
    FlipList flipList;
    std::int32_t passCount = 0;
    std::int32_t animationIndex = 0;
    std::int32_t leafCount = 0;
    Square examinedSquare;
    std::uint8_t thinking = 0;
    std::int32_t markerState = kMarkersToShow;
    std::uint8_t repaintFlag = 1;
    std::int32_t hintState = kNoHint;
    Square hintSquare{0, 0};

    // Counts TurnStep calls since a disc was last set, up to 16; shared by every game of the run.
    inline static std::int32_t stepCounter = 0;
    static constexpr std::int32_t kStepsPerDisc = 16;
    // The window steps the game once per tick of this period: a disc every 160 ms.
    static constexpr int kTickPeriodMs = 10;

    // The file the document was last opened from or saved to; no game state is stored in it.
    std::string documentName = kUntitled;
    std::string documentPath;

    // Turn cycle.
    bool NewGame();
    bool TryMove(int column, int row, std::uint8_t colour);
    // The human's click on a square: ignored unless the human is to move; a move TryMove
    // accepts erases the legal-move markers and drops the hint. True when the move was accepted.
    bool PlayHumanMove(int column, int row);
    void TurnStep();
    // True when the last TurnStep found the root move it was to publish not searched yet and
    // so changed nothing, the step counter included; the next step tries again.
    bool StepWaited() const { return stepWaited_; }
    std::uint8_t SideColour(int side) const;
    // True while a move is being shown and the view's update should advance it by one disc.
    bool MoveDisplayStepDue() const;
    // True when the human is to move and can: the game goes on, no move is shown and the computer
    // does not think.
    bool HumanMayMove() const;
    // True when nothing can change until the user acts: the human may move, no hint is asked for
    // and the step counter rests at its limit.
    // Steps change nothing then, so the timer that makes them may sleep.
    bool WaitsForTheHuman() const;

    // Computer player.
    std::int32_t Evaluate(const Board& board);
    std::int32_t Search(const Board& board, std::uint8_t side, std::int32_t depth,
                        std::int32_t bound);
    bool ComputerMoveStep();
    bool HintStep();
    // The search depth a root search would use at the given level on this board; the hint of the
    // strongest player's games searches as Level 4's does.
    static std::int32_t RootDepth(const Board& board, std::int32_t level);
    // The time the strongest player thinks about a move on this board: as long as Level 4's root
    // search takes on the window's timer, one root move a tick.
    static double StrongestSeconds(const Board& board, std::uint8_t colour);
    RootSearchState& ComputerSearchState() { return computerSearch_; }
    RootSearchState& HintSearchState() { return hintSearch_; }
    // Abandons the computer's and the hint's search: the next step of each starts a new search
    // from the board.
    void AbandonSearches();
    // Sets the document up to search the board with the computer playing `computer` at the level
    // index (0..3), for analysis; any search under way is abandoned.
    void LoadPosition(const Board& position, std::uint8_t computer, std::int32_t level);

    void PlaySoundCue(unsigned id);

    // Game commands and their update handlers.
    void OnGameStart();
    void OnLevel1() { OnLevel(0); }
    void OnLevel2() { OnLevel(1); }
    void OnLevel3() { OnLevel(2); }
    void OnLevel4() { OnLevel(3); }
    void OnLevelStrongest() { OnLevel(kStrongestLevel); }
    void OnLevel(int index);
    void OnHint();
    void OnUpdateHint(CommandUpdate& update) const;
    void OnUpdateLevel1(CommandUpdate& update) const { OnUpdateLevel(0, update); }
    void OnUpdateLevel2(CommandUpdate& update) const { OnUpdateLevel(1, update); }
    void OnUpdateLevel3(CommandUpdate& update) const { OnUpdateLevel(2, update); }
    void OnUpdateLevel4(CommandUpdate& update) const { OnUpdateLevel(3, update); }
    void OnUpdateLevel(int index, CommandUpdate& update) const;
    // Routes a command id (Start, Hint, Level 1..4, Undo, Redo); false when it is not the
    // document's.
    bool OnCommand(int id);

    // Undo takes back the human's last move and the replies after it, Redo plays them again; both
    // abandon whatever is under way and make the game a training game. Each returns the moves it
    // took back or played again, in the order they were played.
    std::vector<Square> OnUndo();
    std::vector<Square> OnRedo();
    void OnUpdateUndo(CommandUpdate& update) const;
    void OnUpdateRedo(CommandUpdate& update) const;
    // Makes a record's game the game in progress, as a training game; the human keeps their
    // colour, and the computer moves next if it is its turn. A first colour that cannot move has
    // passed, as in play.
    void LoadRecord(const GameRecord& record);
    // Analysis: the human plays both colours and the computer does not move; the human is always
    // the colour to move. Turning it on or off makes a training game; turned off, the game goes on
    // with the computer playing the colour not to move. A new game ends it.
    void OnAnalysisMode(bool on);
    bool AnalysisMode() const { return analysis_; }
    // A game against the computer from the record's last position, the human playing `human`;
    // analysis ends. A training game.
    void PlayFrom(const GameRecord& record, std::uint8_t human);
    const GameHistory& History() const { return history_; }
    // Help beyond the hint (the move values) makes a training game, as a hint does.
    void MarkTrainingGame() { host_.SetMainTitle(kTrainingTitle); }

    bool IsGameOver() const { return passCount == kGameOverPasses; }
    DocumentHost& Host() { return host_; }

private:
    void ResetGameFields();
    void ShowNextDisc();
    void HandTurnOver();
    // What one root step did.
    enum class RootStepResult { kWorked, kWaited, kFinished };

    bool AdvanceTurn();
    bool StepWithoutMoveShown();
    void EndGame();
    RootStepResult RootStep(RootSearchState& state, bool forHint);
    // One step of the computer's move: by the level read when its search starts, a root move of
    // the levels' search or a look at the strongest player's thinking.
    RootStepResult ComputerStep();
    RootStepResult StrongestStep();
    void PrepareRootSearch(RootSearchState& state, bool forHint);
    bool SearchNextRootMove(RootSearchState& state, bool forHint);
    void FinishRootSearch(RootSearchState& state, bool forHint);
    // Hands the worker the root moves still to search, from the state's position on.
    void StartWorker(RootSearchState& state, bool forHint);
    std::uint64_t& TicketOf(const RootSearchState& state);
    void AbandonSearch(RootSearchState& state);
    // Shows the wait cursor while the window waits for the search thread, restores it after.
    void ShowWaitCursor(bool show);
    // Sets the game to the history's position as a game played there would have it: the turn
    // handed on, nothing shown or searched.
    void RestoreHistoryPosition();
    // The human plays `colour`, the computer the other.
    void GiveHumanTheColour(std::uint8_t colour);

    DocumentHost& host_;
    RootSearchState computerSearch_;
    RootSearchState hintSearch_;
    // The worker's names for the two root searches.
    std::uint64_t computerTicket_ = 0;
    std::uint64_t hintTicket_ = 0;
    bool stepWaited_ = false;
    bool waitCursorShown_ = false;
    GameHistory history_;
    // The evaluation and the searches, with the results they remember across searches.
    SearchWorker worker_;
    // The strongest player, and whether it thinks about the computer's move now.
    StrongestComputer strongest_;
    bool strongestThinks_ = false;
    bool analysis_ = false;
};

}  // namespace flipstone
