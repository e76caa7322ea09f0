// What a screen reader reads of the board: each square's name, as the board shows it.
#include "ui/accessibility/BoardAccessible.h"

#include <gtest/gtest.h>
#include <QAccessible>

#include "ViewTestHost.h"
#include "game/CFlipstoneDoc.h"

namespace flipstone {
namespace {

TEST(BoardAccessibleTest, SquaresAreNamedWithTheirContentAndMarks) {
    testing::ViewTestHost host;
    CFlipstoneDoc document(host, SearchMode::kSynchronous);
    CFlipstoneView view(document);
    host.view = &view;
    host.Attach(&document);
    view.TickTimer().stop();
    CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    document.NewGame();
    // Black d3, the computer's reply c3, then a hint (c4), all shown.
    document.PlayHumanMove(3, 2);
    for (int step = 0; step < 100000 && !document.WaitsForTheHuman(); ++step) {
        document.TurnStep();
    }
    document.OnHint();
    for (int step = 0; step < 100000 && document.hintState != kHintReady; ++step) {
        document.TurnStep();
    }
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
    ASSERT_EQ(board->childCount(), 64);
    const struct {
        Square square;
        const char* name;
    } squares[] = {{{3, 2}, "d3, black"},
                   {{3, 3}, "d4, white"},
                   {{2, 2}, "c3, white, last move"},
                   {{1, 2}, "b3, empty, legal move"},
                   {{2, 3}, "c4, empty, legal move, hint"},
                   {{7, 7}, "h8, empty"}};
    for (const auto& [square, name] : squares) {
        EXPECT_EQ(board->child(BoardAccessible::IndexOf(square))->text(QAccessible::Name), name);
    }
}

}  // namespace
}  // namespace flipstone
