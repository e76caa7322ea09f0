// The new-game dialog and the about box: templates, radio groups, data exchange and closing.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "app/dialogs/CAboutDialog.h"
#include "app/dialogs/CGameStartDialog.h"
#include "app/dialogs/DialogUnits.h"
#include "game/CFlipstoneDoc.h"

namespace flipstone {
namespace {

// Runs the dialog modally and acts on it as a user would once it is open.
int RunWhileOpen(QDialog& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, act);
    return dialog.exec();
}

void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

class StartDialogTest : public ::testing::Test {
protected:
    bool Checked(int id) const { return dialog.Control(id)->isChecked(); }

    CGameStartDialog dialog;
};

TEST_F(StartDialogTest, TemplateGivesCaptionTextsAndDialogUnitRectangles) {
    EXPECT_EQ(dialog.windowTitle(), "Flipstone");
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.font().pointSize(), 9);
    const DialogUnits units(dialog.font());
    EXPECT_GT(units.BaseWidth(), 3);
    EXPECT_GT(units.BaseHeight(), 8);
    EXPECT_EQ(dialog.size(), units.ToPixels(119, 127));
    EXPECT_EQ(dialog.Control(1)->text(), "OK");
    EXPECT_EQ(dialog.Control(1)->geometry(), units.ToPixels(60, 10, 50, 14));
    EXPECT_TRUE(static_cast<QPushButton*>(dialog.Control(1))->isDefault());
    EXPECT_EQ(dialog.Control(2)->text(), "Cancel");
    EXPECT_EQ(dialog.Control(2)->geometry(), units.ToPixels(60, 30, 50, 14));
    EXPECT_EQ(dialog.Control(1004)->text(), "First");
    EXPECT_EQ(dialog.Control(1005)->text(), "Second");
    EXPECT_EQ(dialog.Control(1005)->geometry(), units.ToPixels(10, 30, 37, 10));
    for (int k = 0; k < 4; ++k) {
        QAbstractButton* level = dialog.Control(ID_LEVEL_1 + k);
        EXPECT_EQ(level->text(), QStringLiteral("  %1").arg(k + 1));
        EXPECT_EQ(level->geometry(), units.ToPixels(10, 60 + 15 * k, 20, 10));
    }
}

// The first row below `top` in the column at x whose pixel is not the dialog's background.
int FirstLineBelow(const QImage& image, int x, int top, QRgb background) {
    for (int y = top; y < image.height(); ++y) {
        if (image.pixel(x, y) != background) {
            return y;
        }
    }
    return -1;
}

TEST_F(StartDialogTest, EachGroupsFrameRunsThroughItsCaptionAndHoldsItsButtonsClearOfIt) {
    const QImage image = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = dialog.palette().color(QPalette::Window).rgb();
    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 2);
    const std::vector<std::vector<int>> members = {
        {CGameStartDialog::IDC_FIRST, CGameStartDialog::IDC_SECOND},
        {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4}};
    for (int g = 0; g < 2; ++g) {
        const QRect box = groups[g]->geometry();
        const int frameTop = FirstLineBelow(image, box.right() - 3, box.top(), background);
        const int frameLeft = box.left();
        // The caption's middle lies on the line: the caption starts above it.
        EXPECT_LT(box.top(), frameTop - dialog.fontMetrics().height() / 2 + 2)
            << groups[g]->title().toStdString();
        for (const int id : members[g]) {
            const QRect button = dialog.Control(id)->geometry();
            EXPECT_GT(button.top(), frameTop + 1) << id << " sits below the frame's top line";
            EXPECT_GT(button.left(), frameLeft + 1) << id;
            EXPECT_LT(button.bottom(), box.bottom() - 1) << id;
            EXPECT_LT(button.right(), box.right() - 1) << id;
        }
    }
}

TEST_F(StartDialogTest, DialogUnitsConvertEachEdgeWithRounding) {
    QFont font = DialogUnits::DialogFont();
    const DialogUnits units(font);
    const int bx = units.BaseWidth();
    const int by = units.BaseHeight();
    EXPECT_EQ(units.ToPixelsX(4), bx);
    EXPECT_EQ(units.ToPixelsY(8), by);
    const QRect rect = units.ToPixels(60, 10, 50, 14);
    EXPECT_EQ(rect.left(), (60 * bx + 2) / 4);
    EXPECT_EQ(rect.left() + rect.width(), (110 * bx + 2) / 4);
    EXPECT_EQ(rect.top() + rect.height(), (24 * by + 4) / 8);
}

TEST_F(StartDialogTest, ScreenReaderHearsEachChoiceWithItsGroup) {
    const std::vector<std::pair<int, QString>> names = {{1004, "Move first"},
                                                        {1005, "Move second"},
                                                        {ID_LEVEL_1, "Level 1"},
                                                        {ID_LEVEL_4, "Level 4"}};
    for (const auto& [id, name] : names) {
        EXPECT_EQ(dialog.Control(id)->accessibleName(), name);
    }
}

TEST_F(StartDialogTest, OpensWithFirstAndTheCurrentLevelChecked) {
    dialog.levelChoice = 2;
    const int result = RunWhileOpen(dialog, [this] {
        EXPECT_TRUE(Checked(1004));
        EXPECT_FALSE(Checked(1005));
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Checked(ID_LEVEL_1 + k), k == 2) << "level button " << k;
        }
        dialog.reject();
    });
    EXPECT_EQ(result, CGameStartDialog::kCancel);
}

TEST_F(StartDialogTest, NoLevelChoiceChecksNoLevelButtonAndReadsBackMinusOne) {
    const int result = RunWhileOpen(dialog, [this] {
        for (int k = 0; k < 4; ++k) {
            EXPECT_FALSE(Checked(ID_LEVEL_1 + k));
        }
        Click(dialog.Control(1));
    });
    EXPECT_EQ(result, CGameStartDialog::kOk);
    EXPECT_EQ(dialog.moveChoice, 0);
    EXPECT_EQ(dialog.levelChoice, -1);
}

TEST_F(StartDialogTest, OkReadsBackSecondAndTheClickedLevel) {
    dialog.levelChoice = 1;
    QSignalSpy commands(&dialog, &CGameStartDialog::CommandIssued);
    const int result = RunWhileOpen(dialog, [this] {
        Click(dialog.Control(1005));
        Click(dialog.Control(ID_LEVEL_4));
        EXPECT_FALSE(Checked(1004)) << "the move buttons form one group";
        EXPECT_FALSE(Checked(ID_LEVEL_2)) << "the level buttons form another";
        Click(dialog.Control(1));
    });
    EXPECT_EQ(result, CGameStartDialog::kOk);
    EXPECT_EQ(dialog.moveChoice, 1);
    EXPECT_EQ(dialog.levelChoice, 3);
    ASSERT_EQ(commands.count(), 1) << "only the level buttons are commands";
    EXPECT_EQ(commands.at(0).at(0).toInt(), ID_LEVEL_4);
}

TEST_F(StartDialogTest, CancelReadsNothingBackButTheLevelCommandHasRun) {
    dialog.levelChoice = 2;
    QSignalSpy commands(&dialog, &CGameStartDialog::CommandIssued);
    const int result = RunWhileOpen(dialog, [this] {
        Click(dialog.Control(1005));
        Click(dialog.Control(ID_LEVEL_1));
        Click(dialog.Control(ID_LEVEL_1));
        Click(dialog.Control(2));
    });
    EXPECT_EQ(result, CGameStartDialog::kCancel);
    EXPECT_EQ(dialog.moveChoice, 0);
    EXPECT_EQ(dialog.levelChoice, 2);
    EXPECT_EQ(commands.count(), 2) << "clicking the checked level button runs it again";
}

TEST_F(StartDialogTest, EnterIsOkAndEscapeIsCancel) {
    EXPECT_EQ(RunWhileOpen(dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              CGameStartDialog::kCancel);
    EXPECT_EQ(RunWhileOpen(dialog,
                           [this] {
                               dialog.Control(1)->setFocus();
                               QTest::keyClick(&dialog, Qt::Key_Return);
                           }),
              CGameStartDialog::kOk);
}

TEST(AboutDialogTest, ShowsNameVersionAndIconAndClosesWithOkEnterOrEscape) {
    CAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Flipstone");
    const DialogUnits units(dialog.font());
    EXPECT_EQ(dialog.size(), units.ToPixels(219, 70));
    bool sawVersion = false;
    bool sawIcon = false;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        sawVersion = sawVersion || label->text() == "Flipstone Version 1.07e";
        sawIcon = sawIcon || label->pixmap().size() == QSize(32, 32);
    }
    EXPECT_TRUE(sawVersion);
    EXPECT_TRUE(sawIcon);
    EXPECT_EQ(dialog.OkButton()->geometry(), units.ToPixels(178, 7, 32, 14));
    EXPECT_EQ(RunWhileOpen(dialog, [&] { Click(dialog.OkButton()); }), QDialog::Accepted);
    EXPECT_EQ(RunWhileOpen(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }),
              QDialog::Accepted);
    EXPECT_EQ(RunWhileOpen(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              QDialog::Rejected);
}

}  // namespace
}  // namespace flipstone
