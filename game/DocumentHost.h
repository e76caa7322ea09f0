#pragma once

#include <string>

namespace flipstone {

// What the start dialog reports: move choice 0 First, 1 Second; level choice 0..3, -1 none.
struct StartChoice {
    int moveChoice = 0;
    int levelChoice = -1;
};

// Everything the game document needs from the window system. The desktop program implements it
// with the real view, frame, dialogs and audio; tests and the command-line tool use HeadlessHost.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // Asks the views to record what changed; they paint later.
    virtual void UpdateViews() = 0;
    // The "Game over" box. The timer keeps ticking while it is open, so the document's
    // TurnStep may run again before this returns.
    virtual void ShowGameOver(const std::string& text) = 0;
    virtual void SetMainTitle(const std::string& title) = 0;
    // Plays a sound cue when the sound setting is on; returns at once.
    virtual void PlayCue(unsigned id) = 0;
    // Runs the start dialog modally, opening with the given choice; true for OK.
    virtual bool RunStartDialog(StartChoice& choice) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

}  // namespace flipstone
