#include "game/HeadlessHost.h"

#include "game/CFlipstoneDoc.h"

namespace flipstone {

void HeadlessHost::UpdateViews() {
    ++updates;
    if (document_ != nullptr && document_->MoveDisplayStepDue()) {
        ++document_->animationIndex;
    }
}

void HeadlessHost::ShowGameOver(const std::string& text) {
    gameOverTexts.push_back(text);
    WhileGameOverOpen();
}

bool HeadlessHost::RunStartDialog(StartChoice& choice) {
    WhileStartDialogOpen(choice);
    if (!startDialogAccepts) {
        return false;
    }
    choice.moveChoice = startDialogAnswer.moveChoice;
    if (startDialogAnswer.levelChoice >= 0) {
        choice.levelChoice = startDialogAnswer.levelChoice;
    }
    return true;
}

}  // namespace flipstone
