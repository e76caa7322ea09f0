// How the window fares while a player clicks quickly through a game in Analysis Mode: Undo back
// from the game's end to its start, then Redo forward to its middle, ten clicks a second, each
// position's Move Values asked for as it is shown. Prints the longest the window's thread went
// without turning its event loop (a 1 ms timer's longest late arrival), how many positions showed
// their values before the next click, and how long the last position's values took after the
// last click (stale analyses that go on running delay it), and the processor time the program
// took meanwhile (stale analyses that go on running take more). Runs the real frame and view on the
// offscreen platform. Usage: flipstone-analysis-bench [moves] (a transcript; a whole game by
// default).
#include <sys/resource.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/records/RecordReader.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace {

// A whole game of 60 moves: flipstone-cli selfplay --games 1 --levels 3,3 --seed 7.
constexpr const char* kWholeGame =
    "e6f6c4d6g7g6f7h8f5e8d7f4g5h4h5h6h7c7c6e7h3g4f3b6d8g3b5c8e3c5b4a5a6a3b3a4c3d2d3f8g8e2f1"
    "f2c1e1d1h2g1b2c2b1a1a2g2h1b7a8a7b8";
constexpr int kClickPeriodMs = 100;
// A frame's time at 60 frames a second: a longer stall is seen.
constexpr qint64 kFrameNs = 16'000'000;
// The last position's values come within about a second; this long without them is a fault.
constexpr int kGiveUpMs = 60'000;

// The document reaches the window as the program's own host does: every update goes to the view.
class FrameHost : public flipstone::HeadlessHost {
public:
    void Attach(flipstone::CMainFrame& frame) { frame_ = &frame; }
    void UpdateViews() override {
        if (frame_ != nullptr) {
            frame_->View().OnUpdate();
        }
    }

private:
    flipstone::CMainFrame* frame_ = nullptr;
};

// Whether the view shows a value on one of the moves it marks.
bool ValuesShown(flipstone::CFlipstoneView& view) {
    const flipstone::FlipList& marked = view.MarkedSquares();
    return marked.count > 0 && view.MoveValueAt({marked.columns[0], marked.rows[0]}).has_value();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string moves = argc > 1 ? argv[1] : kWholeGame;
    const flipstone::RecordReading reading = flipstone::ReadGameRecord(moves);
    if (!reading.record) {
        std::fprintf(stderr, "flipstone-analysis-bench: %s\n", reading.error.message.c_str());
        return 2;
    }
    FrameHost host;
    flipstone::CFlipstoneDoc document(host, flipstone::SearchMode::kThreaded);
    flipstone::CMainFrame frame(document);
    host.Attach(frame);
    frame.show();
    document.LoadRecord(*reading.record);
    frame.View().OnInitialUpdate();
    frame.Action(flipstone::ID_EDIT_ANALYSIS)->trigger();

    const int positions = static_cast<int>(reading.record->moves.size());
    const int clicks = positions + positions / 2;
    int clicked = 0;
    int valued = 0;
    bool shownSinceClick = false;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestStall = 0;
    int frameStalls = 0;
    qint64 lastClick = 0;
    qint64 lastValues = -1;
    QTimer beat;
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        // From the first click on: the window's first paint is no click's.
        if (clicked > 0) {
            longestStall = std::max(longestStall, now - last);
            frameStalls += now - last > kFrameNs ? 1 : 0;
        }
        last = now;
        if (shownSinceClick || !ValuesShown(frame.View())) {
            return;
        }
        shownSinceClick = true;
        ++valued;
        if (clicked == clicks) {
            lastValues = now - lastClick;
            application.quit();
        }
    });
    QTimer click;
    click.setInterval(kClickPeriodMs);
    QObject::connect(&click, &QTimer::timeout, [&] {
        if (clicked == clicks) {
            if (clock.elapsed() - lastClick / 1'000'000 > kGiveUpMs) {
                application.exit(1);
            }
            return;
        }
        const int command = clicked < positions ? flipstone::ID_EDIT_UNDO : flipstone::ID_EDIT_REDO;
        frame.Action(command)->trigger();
        ++clicked;
        shownSinceClick = false;
        lastClick = clock.nsecsElapsed();
    });
    clock.start();
    last = clock.nsecsElapsed();
    beat.start();
    click.start();
    const int status = application.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuSeconds =
        static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf(
        "{\"clicks\":%d,\"click_ms\":%d,\"positions_valued_in_time\":%d,\"last_values_ms\":%.0f,"
        "\"cpu_seconds\":%.2f,\"longest_stall_ms\":%.2f,\"stalls_over_16ms\":%d}\n",
        clicks, kClickPeriodMs, valued, lastValues / 1e6, cpuSeconds, longestStall / 1e6,
        frameStalls);
    return status;
}
