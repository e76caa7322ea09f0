#pragma once

#include <QString>

namespace flipstone {

// What the file commands need from the window: the file dialogs, the error box and the view.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    // The chosen file's path; empty when the dialog was cancelled.
    virtual QString AskOpenPath() = 0;
    // The proposal is a name, or a whole path whose folder the dialog opens in.
    virtual QString AskSavePath(const QString& proposal) = 0;
    virtual void ShowFileError(const QString& message) = 0;
    // The view's update after New and Open. It must not advance a move that is still being
    // shown: every disc of that move is still to be set by the turn cycle.
    virtual void InitialUpdate() = 0;
    virtual void BringToFront() = 0;
};

}  // namespace flipstone
