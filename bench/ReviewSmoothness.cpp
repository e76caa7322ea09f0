// How the window fares while it reviews a whole game: the review's time from the first to the
// last value, the first value's time, and the longest the window's thread went without turning
// its event loop (a 1 ms timer's longest late arrival). Runs the real frame, view and review
// panel on the offscreen platform. Usage: flipstone-review-bench [moves] (a transcript; a whole
// game by default).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "game/CFlipstoneDoc.h"
#include "game/HeadlessHost.h"
#include "game/records/RecordReader.h"
#include "ui/CMainFrame.h"
#include "ui/review/ReviewPanel.h"

namespace {

// A whole game of 60 moves: flipstone-cli selfplay --games 1 --levels 3,3 --seed 7.
constexpr const char* kWholeGame =
    "e6f6c4d6g7g6f7h8f5e8d7f4g5h4h5h6h7c7c6e7h3g4f3b6d8g3b5c8e3c5b4a5a6a3b3a4c3d2d3f8g8e2f1"
    "f2c1e1d1h2g1b2c2b1a1a2g2h1b7a8a7b8";

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string moves = argc > 1 ? argv[1] : kWholeGame;
    const flipstone::RecordReading reading = flipstone::ReadGameRecord(moves);
    if (!reading.record) {
        std::fprintf(stderr, "flipstone-review-bench: %s\n", reading.error.message.c_str());
        return 2;
    }
    flipstone::HeadlessHost host;
    flipstone::CFlipstoneDoc document(host, flipstone::SearchMode::kThreaded);
    host.Attach(&document);
    flipstone::CMainFrame frame(document);
    frame.show();
    document.LoadRecord(*reading.record);

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestStall = 0;
    qint64 firstValue = -1;
    QTimer beat;
    beat.setInterval(1);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestStall = std::max(longestStall, now - last);
        last = now;
        flipstone::ReviewPanel& review = *frame.Review();
        if (firstValue < 0 && review.Shown().JudgedCount() > 0) {
            firstValue = now;
        }
        if (!review.Running()) {
            application.quit();
        }
    });
    clock.start();
    frame.OnReviewGame();
    last = clock.nsecsElapsed();
    beat.start();
    application.exec();
    const flipstone::ReviewResults& results = frame.Review()->Shown();
    int exact = 0;
    for (int ply = 1; ply <= results.MoveCount(); ++ply) {
        exact += results.Move(ply) && results.Move(ply)->exact ? 1 : 0;
    }
    std::printf(
        "{\"moves\":%d,\"exact_moves\":%d,\"review_seconds\":%.2f,\"first_value_ms\":%.0f,"
        "\"longest_stall_ms\":%.2f}\n",
        results.MoveCount(), exact, clock.nsecsElapsed() / 1e9, firstValue / 1e6,
        longestStall / 1e6);
    return 0;
}
