#pragma once

#include <QAction>

#include "game/CommandUpdate.h"

namespace flipstone {

// Lets an update handler enable and check the menu item and toolbar button of one action.
class ActionCommandUpdate : public CommandUpdate {
public:
    explicit ActionCommandUpdate(QAction& action) : action_(action) {}

    void Enable(bool enabled) override { action_.setEnabled(enabled); }
    void SetCheck(int checked) override { action_.setChecked(checked != 0); }

private:
    QAction& action_;
};

}  // namespace flipstone
