#pragma once

#include <string>
#include <vector>

#include "game/DocumentHost.h"

namespace flipstone {

class CFlipstoneDoc;

// A host without a window: its view update performs only the move display step (advance the
// animation index while a move is shown), and everything else is recorded for inspection.
class HeadlessHost : public DocumentHost {
public:
    void Attach(CFlipstoneDoc* document) { document_ = document; }

    void UpdateViews() override;
    void ShowGameOver(const std::string& text) override;
    void SetMainTitle(const std::string& text) override {
        title = text;
        ++titleSets;
    }
    void PlayCue(unsigned id) override { cues.push_back(id); }
    bool RunStartDialog(StartChoice& choice) override;
    void BeginWaitCursor() override { ++waitCursorDepth; }
    void EndWaitCursor() override { --waitCursorDepth; }

    int updates = 0;
    int titleSets = 0;
    int waitCursorDepth = 0;
    std::string title;
    std::vector<unsigned> cues;
    std::vector<std::string> gameOverTexts;

    // What the start dialog answers: OK or Cancel, with the choice it reports on OK.
    bool startDialogAccepts = true;
    StartChoice startDialogAnswer;

protected:
    CFlipstoneDoc* AttachedDocument() const { return document_; }
    // Run while the start dialog or the game-over box is "open", where a user or a nested timer
    // tick may act; nothing happens here. The first receives the choice the dialog opened with.
    virtual void WhileStartDialogOpen(StartChoice& /*choice*/) {}
    virtual void WhileGameOverOpen() {}

private:
    CFlipstoneDoc* document_ = nullptr;
};

}  // namespace flipstone
