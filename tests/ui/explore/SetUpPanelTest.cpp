// Setting up a position in the real frame, by mouse and keys: the squares as the board and the
// screen reader show them, what stands still meanwhile, a position nobody can move in refused,
// Cancel, and a colour to move without a move passing.
#include "ui/explore/SetUpPanel.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <tuple>

#include "FrameTestFixture.h"
#include "game/records/RecordWriter.h"
#include "ui/accessibility/SquareText.h"

namespace flipstone {
namespace {

class SetUpPanelTest : public testing::FrameTest {
protected:
    void Click(const QString& text) {  // a button of the panel, on its label
        for (QAbstractButton* button : frame.SetUp()->findChildren<QAbstractButton*>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
            }
        }
    }
};

TEST_F(SetUpPanelTest,
       SquaresCycleAsShownAndSpokenOkRefusesAPositionNobodyCanMoveInCancelKeepsTheGame) {
    ShowFrame();
    Action(ID_EDIT_SET_UP).trigger();
    const Square d3{3, 2};
    for (const char* name : {"d3, black", "d3, white", "d3, empty", "d3, black"}) {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(d3).center());
        EXPECT_EQ(SquareText(View(), d3), name);
    }
    EXPECT_EQ(View().grab().toImage().pixel(View().InvalidationBox(d3).center()), qRgb(0, 0, 0));
    // The frame shows on d4, white: Enter empties it, Space makes it black.
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(&View(), key);
    }
    EXPECT_EQ(SquareText(View(), {3, 3}), "d4, black");
    frame.RefreshCommandStates();
    for (const int id : {+ID_GAME_START, +ID_FILE_SAVE, +ID_LEVEL_1, +ID_VIEW_MOVE_VALUES}) {
        EXPECT_FALSE(Action(id).isEnabled()) << id << ": the game stands still";
    }
    EXPECT_EQ(frame.PaneText(2), "B: 04 / W: 01") << "the discs of the board set up";

    Click("Clear");
    QString refusal;
    WhenShown<QMessageBox>([](QMessageBox*) { return true; },
                           [&](QMessageBox* box) {
                               refusal = box->text();
                               box->accept();
                           });
    Click("OK");
    EXPECT_TRUE(refusal.startsWith("Neither black nor white can move")) << refusal.toStdString();
    ASSERT_TRUE(View().SettingUp());
    Click("Cancel");
    EXPECT_EQ(View().ShownBoard(), Position::Start().GetBoard());
    EXPECT_EQ(SquareText(View(), d3), "d3, empty, legal move");
    frame.RefreshCommandStates();
    EXPECT_TRUE(Action(ID_FILE_SAVE).isEnabled() && Action(ID_VIEW_MOVE_VALUES).isEnabled());
    EXPECT_EQ(frame.PaneText(2), "B: 02 / W: 02");
}

// Black to move cannot: black passes and white moves first, and the record keeps the pass
// through Undo and Redo by their keys.
TEST_F(SetUpPanelTest, AColourToMoveWithoutAMovePassesAndUndoAndRedoKeepThePass) {
    ShowFrame();
    Action(ID_EDIT_SET_UP).trigger();
    Click("Clear");
    for (const Square square : {Square{0, 3}, Square{0, 3}, Square{1, 3}, Square{3, 4}}) {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(square).center());
    }
    Click("OK");  // a4 white, b4 and d5 black: only white's c4
    EXPECT_EQ(document.passCount, 1) << "the pass the screen reader is told";
    for (const Square human : {Square{-1, -1}, Square{1, 2}}) {  // the computer's c4, black b3
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(human).center());
        RunEventsUntil([&] {
            View().OnTimer();
            return document.HumanMayMove() || document.IsGameOver();
        });
    }
    auto game = [this] {
        return std::tuple(WriteGgf(document.History().Record()), document.board,
                          document.sideToMove);
    };
    const auto played = game();
    EXPECT_NE(std::get<0>(played).find("B[PA]W[C4]B[B3]"), std::string::npos);
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document.History().Record().moves, std::vector<Square>(1, Square{2, 3}));
    EXPECT_EQ(document.sideToMove, kHumanSide);
    QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(game(), played) << "the record, the board and the side to move";
}

}  // namespace
}  // namespace flipstone
