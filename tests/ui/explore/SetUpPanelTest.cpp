// Setting up a position in the real frame, by mouse and keys: the squares as the board and the
// screen reader show them, a position nobody can move in refused, Cancel.
#include "ui/explore/SetUpPanel.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "FrameTestFixture.h"
#include "ui/accessibility/SquareText.h"

namespace flipstone {
namespace {

using SetUpPanelTest = testing::FrameTest;

TEST_F(SetUpPanelTest,
       SquaresCycleAsShownAndSpokenOkRefusesAPositionNobodyCanMoveInCancelKeepsTheGame) {
    ShowFrame();
    auto click = [this](const QString& text) {  // a button of the panel, on its label
        for (QAbstractButton* button : frame.SetUp()->findChildren<QAbstractButton*>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
            }
        }
    };
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
    EXPECT_FALSE(Action(ID_GAME_START).isEnabled()) << "the game stands still";

    click("Clear");
    QString refusal;
    WhenShown<QMessageBox>([](QMessageBox*) { return true; },
                           [&](QMessageBox* box) {
                               refusal = box->text();
                               box->accept();
                           });
    click("OK");
    EXPECT_TRUE(refusal.startsWith("Neither black nor white can move")) << refusal.toStdString();
    ASSERT_TRUE(View().SettingUp());
    click("Cancel");
    EXPECT_EQ(View().ShownBoard(), Position::Start().GetBoard());
    EXPECT_EQ(SquareText(View(), d3), "d3, empty, legal move");
}

}  // namespace
}  // namespace flipstone
