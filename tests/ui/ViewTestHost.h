#pragma once

#include "game/HeadlessHost.h"
#include "ui/CFlipstoneView.h"

namespace flipstone::testing {

// A recording host whose view updates go to a real board view.
class ViewTestHost : public HeadlessHost {
public:
    void UpdateViews() override {
        ++updates;
        if (view != nullptr) {
            view->OnUpdate();
        }
    }

    CFlipstoneView* view = nullptr;
};

}  // namespace flipstone::testing
