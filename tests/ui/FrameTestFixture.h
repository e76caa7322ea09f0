#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace flipstone::testing {

// A host for a frame on its own: view updates and titles go to the frame, the rest is recorded.
class FrameTestHost : public HeadlessHost {
public:
    void Attach(CMainFrame& frame) { frame_ = &frame; }
    void UpdateViews() override {
        ++updates;
        if (frame_ != nullptr) {
            frame_->View().OnUpdate();
        }
    }
    void SetMainTitle(const std::string& text) override {
        HeadlessHost::SetMainTitle(text);
        if (frame_ != nullptr) {
            frame_->setWindowTitle(QString::fromStdString(text));
        }
    }

private:
    CMainFrame* frame_ = nullptr;
};

// Document, frame and view as start-up builds them, on the given host, with the view's timer
// stopped so that a test drives the ticks itself unless it starts the timer.
template <typename Host>
class FrameFixture : public ::testing::Test {
protected:
    // The searches run inside the ticks unless the test asks for the window's search thread.
    explicit FrameFixture(Host& host, SearchMode mode = SearchMode::kSynchronous)
        : document(host, mode), frame(document) {
        host.Attach(frame);
        View().TickTimer().stop();
        CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
        document.NewGame();
        View().OnInitialUpdate();
    }

    ~FrameFixture() override {
        for (auto& watcher : watchers_) {
            watcher->stop();
        }
    }

    CFlipstoneView& View() { return frame.View(); }
    QAction& Action(int id) { return *frame.Action(id); }

    void ShowFrame() {
        frame.show();
        QApplication::setActiveWindow(&frame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        View().grab();  // lays the board out
    }

    // Runs the act once on the first visible top-level widget of type T that matches, as soon
    // as one appears, from a timer of its own (so it also fires inside modal loops).
    template <typename T>
    void WhenShown(std::function<bool(T*)> matches, std::function<void(T*)> act) {
        auto watcher = std::make_unique<QTimer>();
        QTimer* timer = watcher.get();
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, matches, act] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* candidate = qobject_cast<T*>(widget);
                if (candidate != nullptr && candidate->isVisible() && matches(candidate)) {
                    timer->stop();
                    act(candidate);
                    return;
                }
            }
        });
        timer->start();
        watchers_.push_back(std::move(watcher));
    }

    // Processes events until the condition holds; false if it never does.
    static bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > limitMs) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return true;
    }

    // Clicks the first marked square while the human may move; true if it clicked.
    bool ClickFirstMarkedSquare() {
        const FlipList& marked = View().MarkedSquares();
        if (document.sideToMove != 0 || document.flipList.count != 0 || document.markerState != 2 ||
            marked.count == 0) {
            return false;
        }
        const Square square{marked.columns[0], marked.rows[0]};
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(square).center());
        return true;
    }

    CFlipstoneDoc document;
    CMainFrame frame;

private:
    std::vector<std::unique_ptr<QTimer>> watchers_;
};

struct FrameTestHostHolder {
    FrameTestHost host;
};

// A frame with the test host.
class FrameTest : protected FrameTestHostHolder, public FrameFixture<FrameTestHost> {
protected:
    FrameTest() : FrameFixture(host) {}
};

}  // namespace flipstone::testing
