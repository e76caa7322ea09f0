#pragma once

#include <QString>
#include <functional>

#include "game/DocumentHost.h"

namespace flipstone {

class CMainFrame;

// The document's way to the desktop: view updates, the game-over box, the main window's title,
// the wait cursor, the start dialog and the sound cues.
class DesktopHost : public DocumentHost {
public:
    using CueSink = std::function<void(unsigned cueId)>;

    void Attach(CMainFrame& frame) { frame_ = &frame; }
    // Where the sound cues go; silent until one is set.
    void SetCueSink(CueSink sink) { cueSink_ = std::move(sink); }

    void UpdateViews() override;
    void ShowGameOver(const std::string& text) override;
    void SetMainTitle(const std::string& title) override;
    void PlayCue(unsigned id) override;
    bool RunStartDialog(StartChoice& choice) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    void RunGameOverBox(const QString& text);

    CMainFrame* frame_ = nullptr;
    CueSink cueSink_;
};

}  // namespace flipstone
