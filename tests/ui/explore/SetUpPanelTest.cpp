// Setting up a position in the real frame, by mouse and keys: the squares as the board and the
// screen reader show them, a position nobody can move in refused, OK and Cancel.
#include "ui/explore/SetUpPanel.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "FrameTestFixture.h"
#include "ui/accessibility/SquareText.h"

namespace flipstone {
namespace {

class SetUpPanelTest : public testing::FrameTest {
protected:
    SetUpPanel& BeginSetUp() {
        ShowFrame();
        Action(ID_EDIT_SET_UP).trigger();
        return *frame.SetUp();
    }

    template <typename Button>
    void Click(const QString& text) {
        for (Button* button : frame.SetUp()->findChildren<Button*>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
    }

    QRgb PixelOf(Square square) {
        return View().grab().toImage().pixel(View().InvalidationBox(square).center()) & 0xFFFFFF;
    }
};

TEST_F(SetUpPanelTest, SquaresCycleByMouseAndKeysAsTheBoardAndScreenReaderShowThem) {
    BeginSetUp();
    const Square d3{3, 2}, d4{3, 3};
    const char* const names[] = {"d3, black", "d3, white", "d3, empty"};
    const QRgb pixels[] = {0x000000, 0xFFFFFF, 0x7F7F7F};
    for (int k = 0; k < 3; ++k) {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(d3).center());
        EXPECT_EQ(SquareText(View(), d3), names[k]);
        EXPECT_EQ(PixelOf(d3), pixels[k]);
    }
    QTest::keyClick(&View(), Qt::Key_Up);  // the frame shows on d4
    QTest::keyClick(&View(), Qt::Key_Return);
    QTest::keyClick(&View(), Qt::Key_Space);
    EXPECT_EQ(SquareText(View(), d4), "d4, black");
    EXPECT_EQ(document.board, Position::Start().GetBoard()) << "the game stands still";
    frame.RefreshCommandStates();
    EXPECT_FALSE(Action(ID_GAME_START).isEnabled());

    Click<QPushButton>("Cancel");
    EXPECT_FALSE(View().SettingUp());
    EXPECT_EQ(View().ShownBoard(), Position::Start().GetBoard());
    EXPECT_EQ(SquareText(View(), d3), "d3, empty, legal move");
}

TEST_F(SetUpPanelTest, OkRefusesAPositionNobodyCanMoveInAndPlaysAnotherWithTheColourChosen) {
    BeginSetUp();
    Click<QPushButton>("Clear");
    QString refusal;
    WhenShown<QMessageBox>([](QMessageBox*) { return true; },
                           [&](QMessageBox* box) {
                               refusal = box->text();
                               box->accept();
                           });
    Click<QPushButton>("OK");
    EXPECT_TRUE(refusal.startsWith("Neither black nor white can move")) << refusal.toStdString();
    EXPECT_TRUE(View().SettingUp());

    Click<QPushButton>("Start Position");
    QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox({2, 3}).center());
    Click<QRadioButton>("White to move");
    const Board shown = View().ShownBoard();
    Click<QPushButton>("OK");
    EXPECT_FALSE(View().SettingUp());
    EXPECT_EQ(document.History().Record().start, shown);
    EXPECT_EQ(document.History().Record().firstToMove, kWhite);
    EXPECT_EQ(document.sideToMove, kComputerSide) << "the human keeps black";
}

}  // namespace
}  // namespace flipstone
