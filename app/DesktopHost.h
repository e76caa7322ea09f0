#pragma once

#include <QString>

#include "game/DocumentHost.h"

namespace flipstone {

class CMainFrame;
class SoundCues;

// The document's way to the desktop: view updates, the game-over box, the main window's title,
// the wait cursor, the start dialog and the sound cues.
class DesktopHost : public DocumentHost {
public:
    explicit DesktopHost(SoundCues& cues) : cues_(cues) {}

    void Attach(CMainFrame& frame) { frame_ = &frame; }

    void UpdateViews() override;
    void ShowGameOver(const std::string& text) override;
    void SetMainTitle(const std::string& title) override;
    void PlayCue(unsigned id) override;
    bool RunStartDialog(StartChoice& choice) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    void RunGameOverBox(const QString& text);

    SoundCues& cues_;
    CMainFrame* frame_ = nullptr;
};

}  // namespace flipstone
