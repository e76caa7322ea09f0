// The main frame: window geometry, menus, toolbar, keys, status panes, command states and the
// game commands as the player reaches them.
#include "ui/CMainFrame.h"

#include <QAccessible>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionMenuItem>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "FrameTestFixture.h"
#include "game/review/ReviewResults.h"
#include "ui/HelpWindow.h"

namespace flipstone {
namespace {

// Asks a menu what it would tell the style to draw for an item.
class MenuStyleProbe : public QMenu {
public:
    void Describe(QStyleOptionMenuItem& option, QAction* action) {
        initStyleOption(&option, action);
    }
};

using testing::FrameTest;

const int kToolbarCommands[] = {ID_GAME_START, ID_GAME_HINT,   ID_SET_SOUND,
                                ID_LEVEL_1,    ID_LEVEL_2,     ID_LEVEL_3,
                                ID_LEVEL_4,    ID_HELP_FINDER, ID_APP_ABOUT};

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QMenu* MenuNamed(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// ---- Window, menus, toolbar ----

TEST(FirstGeometryTest, IsASquareOfTwoThirdsOfTheScreenHeightCentred) {
    EXPECT_EQ(CMainFrame::FirstGeometry(QSize(1024, 768)), QRect(256, 128, 512, 512));
    EXPECT_EQ(CMainFrame::FirstGeometry(QSize(1280, 1024)), QRect(299, 171, 682, 682));
}

TEST_F(FrameTest, OpensWithThePlainTitleAtTheScreensFirstGeometry) {
    EXPECT_EQ(frame.windowTitle(), "Flipstone");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(frame.size(), CMainFrame::FirstGeometry(screen).size());
    EXPECT_EQ(frame.pos(), CMainFrame::FirstGeometry(screen).topLeft());
}

TEST_F(FrameTest, MenusCarryTheirTextsAndMnemonicsInOrder) {
    QMenuBar* bar = frame.menuBar();
    // The commands beyond the game's first ones sit in the Edit menu and before Exit.
    EXPECT_EQ(TextsOf(bar->actions()), (QStringList{"&Game", "&Edit", "&Set", "&View", "&Help"}));
    EXPECT_EQ(TextsOf(MenuNamed(bar, "&Game")->actions()),
              (QStringList{"&Start", "&Hint", "-", "&Review Game...", "&Import Game...",
                           "&Export Game...", "-", "E&xit"}));
    EXPECT_EQ(TextsOf(MenuNamed(bar, "&Edit")->actions()),
              (QStringList{"&Undo", "&Redo", "-", "&Copy Moves", "&Paste Moves", "-",
                           "&Set Up Position...", "&Analysis Mode", "Play &from Here..."}));
    QMenu* set = MenuNamed(bar, "&Set");
    EXPECT_EQ(TextsOf(set->actions()), (QStringList{"&Level", "&Sound"}));
    EXPECT_EQ(TextsOf(set->actions().at(0)->menu()->actions()),
              (QStringList{"Level &1", "Level &2", "Level &3", "Level &4", "&Strongest"}));
    // What the style draws beside a level: a check mark like Sound's, not a radio bullet.
    MenuStyleProbe probe;
    for (QAction* level : set->actions().at(0)->menu()->actions()) {
        QStyleOptionMenuItem option;
        probe.Describe(option, level);
        EXPECT_EQ(option.checkType, QStyleOptionMenuItem::NonExclusive)
            << level->text().toStdString();
    }
    EXPECT_EQ(TextsOf(MenuNamed(bar, "&View")->actions()),
              (QStringList{"&Toolbar", "&Status Bar", "-", "&Move Values"}));
    EXPECT_EQ(TextsOf(MenuNamed(bar, "&Help")->actions()),
              (QStringList{"&Help Topics", "-", "&About Flipstone..."}));
    EXPECT_TRUE(Action(ID_SET_SOUND).isCheckable());
}

TEST_F(FrameTest, ToolbarHasNineButtonsWithGapsPromptsAndTooltips) {
    QToolBar& toolBar = frame.ToolBar();
    const QList<QAction*> buttons = toolBar.actions();
    const QList<QAction*> expected = {&Action(ID_GAME_START),
                                      nullptr,
                                      &Action(ID_GAME_HINT),
                                      nullptr,
                                      &Action(ID_SET_SOUND),
                                      nullptr,
                                      &Action(ID_LEVEL_1),
                                      &Action(ID_LEVEL_2),
                                      &Action(ID_LEVEL_3),
                                      &Action(ID_LEVEL_4),
                                      nullptr,
                                      &Action(ID_HELP_FINDER),
                                      &Action(ID_APP_ABOUT)};
    ASSERT_EQ(buttons.size(), expected.size());
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (expected[i] == nullptr) {
            EXPECT_TRUE(buttons[i]->isSeparator()) << i;
        } else {
            EXPECT_EQ(buttons[i], expected[i]) << i;
            EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
        }
    }
    EXPECT_EQ(toolBar.iconSize(), QSize(16, 15));
    EXPECT_TRUE(toolBar.isMovable());
    EXPECT_TRUE(toolBar.isFloatable());
    EXPECT_EQ(toolBar.allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(frame.toolBarArea(&toolBar), Qt::TopToolBarArea);

    EXPECT_EQ(Action(ID_GAME_START).statusTip(), "Game start");
    EXPECT_EQ(Action(ID_GAME_START).toolTip(), "Game start");
    EXPECT_EQ(Action(ID_LEVEL_3).statusTip(), "Computer Level 3");
    EXPECT_EQ(Action(ID_LEVEL_3).toolTip(), "Level 3");
    EXPECT_EQ(Action(ID_SET_SOUND).statusTip(), "Set sound");
    EXPECT_EQ(Action(ID_SET_SOUND).toolTip(), "Set sound");
    EXPECT_EQ(Action(ID_HELP_FINDER).statusTip(), "List Help topics");
    EXPECT_EQ(Action(ID_HELP_FINDER).toolTip(), "Help Topics");
    EXPECT_EQ(Action(ID_APP_ABOUT).toolTip(), "About");
    EXPECT_EQ(Action(ID_APP_EXIT).statusTip(), "Quit the application; prompts to save documents");
    EXPECT_EQ(Action(ID_VIEW_TOOLBAR).statusTip(), "Show or hide the toolbar");
    EXPECT_EQ(Action(ID_VIEW_STATUS_BAR).statusTip(), "Show or hide the status bar");
    EXPECT_TRUE(Action(ID_GAME_HINT).statusTip().isEmpty());

    ShowFrame();
    QWidget* hintButton = toolBar.widgetForAction(&Action(ID_GAME_HINT));
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), hintButton->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(hintButton, &help);
    EXPECT_FALSE(QToolTip::isVisible()) << "Hint has no tooltip";
}

TEST_F(FrameTest, ToolbarImagesAreDistinctSixteenByFifteenPictures) {
    QList<QImage> images;
    for (const int id : kToolbarCommands) {
        const QImage image = Action(id).icon().pixmap(QSize(16, 15)).toImage();
        EXPECT_EQ(image.size(), QSize(16, 15)) << id;
        EXPECT_FALSE(images.contains(image)) << id;
        images << image;
    }
    const QImage start = images.front().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(start.pixel(5, 7), qRgb(0, 0, 0)) << "Start is a black triangle";
    EXPECT_EQ(qAlpha(start.pixel(14, 7)), 0) << "pointing right";
}

// The contrast ratio of two colours (1 to 21), from their relative luminances.
double Contrast(QColor one, QColor other) {
    const auto luminance = [](QColor colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

TEST_F(FrameTest, ToolbarImagesStayLegibleWhenThePaletteTurnsDark) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(49, 49, 49));
    dark.setColor(QPalette::WindowText, QColor(224, 224, 224));
    dark.setColor(QPalette::Button, QColor(49, 49, 49));
    frame.setPalette(dark);
    for (const int id : kToolbarCommands) {
        const QImage image = Action(id).icon().pixmap(QSize(16, 15)).toImage();
        int legible = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                legible += pixel.alpha() == 255 && Contrast(pixel, dark.window().color()) >= 4.5;
            }
        }
        EXPECT_GE(legible, 12) << id;
    }
}

// ---- Status panes ----

TEST_F(FrameTest, PanesShowTheirDefaultsUntilTheFirstRefreshThenTheGame) {
    EXPECT_EQ(frame.PaneText(0), "For Help, press F1");
    EXPECT_EQ(frame.PaneText(1), "Ply: 04");
    EXPECT_EQ(frame.PaneText(2), "B: 02 / W: 02");
    EXPECT_EQ(frame.PaneText(3), "Value:+0000");
    EXPECT_EQ(frame.PaneText(4), "Leaf: 00000000");
    std::vector<int> defaultWidths;
    for (int pane = 1; pane < 5; ++pane) {
        QLabel& label = frame.PaneLabel(pane);
        EXPECT_GE(label.minimumWidth(), label.fontMetrics().horizontalAdvance(label.text()));
        defaultWidths.push_back(label.minimumWidth());
    }
    frame.RefreshCommandStates();
    EXPECT_EQ(frame.PaneText(1), "Ply: 00");
    EXPECT_EQ(frame.PaneText(2), "B: 02 / W: 02");
    EXPECT_EQ(frame.PaneText(3), "Value:   +0");
    EXPECT_EQ(frame.PaneText(4), "Leaf:        0");
    for (int pane = 1; pane < 5; ++pane) {
        EXPECT_EQ(frame.PaneLabel(pane).minimumWidth(), defaultWidths[pane - 1]);
    }
}

TEST_F(FrameTest, PanesPadSignAndShowLongNumbersInFull) {
    EXPECT_EQ(CMainFrame::ValueText(-9999), "Value:-9999");
    EXPECT_EQ(CMainFrame::ValueText(1100), "Value:+1100");
    EXPECT_EQ(CMainFrame::ValueText(-1032), "Value:-1032");
    EXPECT_EQ(CMainFrame::ValueText(123456), "Value:+123456");
    EXPECT_EQ(CMainFrame::LeafText(123456), "Leaf:   123456");
    EXPECT_EQ(CMainFrame::LeafText(123456789), "Leaf: 123456789");
    EXPECT_EQ(CMainFrame::PlyText(7), "Ply: 07");
    EXPECT_EQ(CMainFrame::PlyText(60), "Ply: 60");
    EXPECT_EQ(CMainFrame::DiscsText(64, 0), "B: 64 / W: 00");

    document.searchValue = -9999;
    document.leafCount = 123456789;
    document.moveCount = 12;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            document.board.Set(column, row, kWhite);
        }
    }
    frame.RefreshCommandStates();
    EXPECT_EQ(frame.PaneText(1), "Ply: 12");
    EXPECT_EQ(frame.PaneText(2), "B: 00 / W: 64");
    EXPECT_EQ(frame.PaneText(3), "Value:-9999");
    EXPECT_EQ(frame.PaneText(4), "Leaf: 123456789");
    QLabel& leaf = frame.PaneLabel(4);
    EXPECT_GE(leaf.sizeHint().width(), leaf.fontMetrics().horizontalAdvance(leaf.text()))
        << "a nine-digit count widens its pane";
}

TEST_F(FrameTest, NarrowedWindowCutsOffPanesButNeverOverlapsThem) {
    ShowFrame();
    frame.RefreshCommandStates();
    frame.resize(200, frame.height());
    QCoreApplication::processEvents();
    QStatusBar* bar = frame.statusBar();
    std::vector<QRect> panes;
    for (int pane = 1; pane < 5; ++pane) {
        QLabel& label = frame.PaneLabel(pane);
        EXPECT_GE(label.width(), label.minimumWidth()) << "pane " << pane << " keeps its width";
        panes.emplace_back(label.mapTo(bar, QPoint(0, 0)), label.size());
    }
    for (std::size_t a = 0; a < panes.size(); ++a) {
        for (std::size_t b = a + 1; b < panes.size(); ++b) {
            EXPECT_FALSE(panes[a].intersects(panes[b])) << "panes " << a + 1 << " and " << b + 1;
        }
    }
    const QWidget* strip = frame.PaneLabel(1).parentWidget();
    EXPECT_LE(strip->geometry().right(), bar->width()) << "what does not fit is cut off";
    EXPECT_GE(panes[0].left(), frame.PaneLabel(0).geometry().right()) << "right of pane 0";
}

// In a window a little narrower than the expected line and every pane, the panes give way to the
// line, which its pane also has as its accessible name.
TEST_F(FrameTest, ExpectedLineShowsWholeWhereTheBarHoldsIt) {
    ShowFrame();
    Action(ID_EDIT_ANALYSIS).trigger();
    QLabel& message = frame.PaneLabel(0);
    ASSERT_TRUE(RunEventsUntil([&] {
        frame.RefreshCommandStates();
        return message.text().startsWith("Expected line: ");
    }));
    frame.resize(frame.width() - message.width() + message.sizeHint().width() - 40, frame.height());
    QCoreApplication::processEvents();
    EXPECT_GE(message.width(), message.sizeHint().width()) << message.text().toStdString();
    EXPECT_GT(frame.PaneLabel(1).mapTo(frame.statusBar(), QPoint(0, 0)).x(),
              message.geometry().right());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&message)->text(QAccessible::Name),
              message.text());
}

TEST_F(FrameTest, MessagePaneShowsACommandsPromptWhileItIsPointedAt) {
    ShowFrame();
    QWidget* button = frame.ToolBar().widgetForAction(&Action(ID_LEVEL_2));
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(button->mapToGlobal(QPoint(4, 4))));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(frame.PaneText(0), "Computer Level 2");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(frame.PaneText(0), "For Help, press F1");
}

// ---- Command states and titles ----

TEST_F(FrameTest, CommandStatesFollowTheDocumentWhenTheLoopFallsIdle) {
    document.levelIndex = 0;
    QEventLoop idle;
    QTimer::singleShot(30, &idle, &QEventLoop::quit);
    idle.exec();
    EXPECT_TRUE(Action(ID_LEVEL_1).isChecked()) << "refreshed at idle without being asked";
    EXPECT_FALSE(Action(ID_LEVEL_2).isChecked());
    EXPECT_EQ(frame.PaneText(1), "Ply: 00");

    document.levelIndex = 3;
    frame.RefreshCommandStates();
    EXPECT_TRUE(Action(ID_GAME_HINT).isEnabled());
    EXPECT_FALSE(Action(ID_GAME_HINT).isChecked());
    for (const int id : {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4}) {
        EXPECT_TRUE(Action(id).isEnabled());
        EXPECT_EQ(Action(id).isChecked(), id == ID_LEVEL_4);
    }

    document.passCount = 3;
    frame.RefreshCommandStates();
    EXPECT_FALSE(Action(ID_GAME_HINT).isEnabled());
    for (const int id : {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4}) {
        EXPECT_FALSE(Action(id).isEnabled());
    }
    EXPECT_TRUE(Action(ID_LEVEL_4).isChecked()) << "the current level keeps its check mark";
    EXPECT_TRUE(Action(ID_GAME_START).isEnabled());
}

TEST_F(FrameTest, LevelAfterTheFirstMoveAndHintMakeATrainingGame) {
    Action(ID_LEVEL_4).trigger();
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(frame.windowTitle(), "Flipstone") << "no move made yet";
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    Action(ID_LEVEL_1).trigger();
    EXPECT_EQ(document.levelIndex, 0);
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game");

    document.NewGame();
    frame.setWindowTitle("Flipstone");
    document.thinking = 1;
    Action(ID_GAME_HINT).trigger();
    EXPECT_EQ(document.hintState, 0) << "no hint while the computer thinks";
    EXPECT_EQ(frame.windowTitle(), "Flipstone");
    document.thinking = 0;
    Action(ID_GAME_HINT).trigger();
    EXPECT_EQ(document.hintState, 1);
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game");
}

// Analysis: each click plays for the colour to move and the computer never answers; Undo takes
// one move back; turned off, the computer plays the colour not to move.
TEST_F(FrameTest, AnalysisPlaysBothColoursWithoutComputerRepliesUntilItIsTurnedOff) {
    ShowFrame();
    auto playAndStep = [&](Square move) {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, View().InvalidationBox(move).center());
        for (int step = 0; step < 5000 && !document.HumanMayMove(); ++step) {
            View().OnTimer();
            ASSERT_TRUE(document.thinking == 0 || !document.AnalysisMode());
        }
    };
    Action(ID_EDIT_ANALYSIS).trigger();
    playAndStep({3, 2});  // black d3, then white c3
    playAndStep({2, 2});
    EXPECT_EQ(document.History().Record().moves, (std::vector<Square>{{3, 2}, {2, 2}}));
    EXPECT_EQ(View().grab().toImage().pixel(View().InvalidationBox({2, 2}).center()),
              qRgb(255, 255, 255));
    Action(ID_EDIT_UNDO).trigger();
    EXPECT_EQ(document.History().Record().moves.size(), 1u);
    EXPECT_EQ(document.humanColour, kWhite) << "white to move again";

    Action(ID_EDIT_ANALYSIS).trigger();
    EXPECT_EQ(document.computerColour, kBlack);
    playAndStep({2, 2});
    EXPECT_EQ(document.History().Record().moves.size(), 3u) << "the computer answered";
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game");
}

TEST(LineTextTest, WritesTheExpectedLineOfAJudgedPosition) {
    ReviewResults results({ReviewPosition{Position::Start().GetBoard(), kBlack, Square{}}});
    PositionValue value;
    value.line = {{3, 2}, {2, 2}, {2, 3}};
    results.SetValue(0, value);
    EXPECT_EQ(CMainFrame::LineText(results.ValueAfter(0)->line), "Expected line: d3 c3 c4");
}

// ---- Keys, view toggles, help, about ----

TEST_F(FrameTest, ViewMenuHidesAndShowsToolbarAndStatusBar) {
    ShowFrame();
    Action(ID_VIEW_TOOLBAR).trigger();
    Action(ID_VIEW_STATUS_BAR).trigger();
    frame.RefreshCommandStates();
    EXPECT_FALSE(frame.ToolBar().isVisible());
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR).isChecked());
    EXPECT_FALSE(Action(ID_VIEW_STATUS_BAR).isChecked());
    Action(ID_VIEW_TOOLBAR).trigger();
    Action(ID_VIEW_STATUS_BAR).trigger();
    frame.RefreshCommandStates();
    EXPECT_TRUE(frame.ToolBar().isVisible());
    EXPECT_TRUE(frame.statusBar()->isVisible());
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR).isChecked());
    EXPECT_TRUE(Action(ID_VIEW_STATUS_BAR).isChecked());
}

TEST_F(FrameTest, F1AndHelpTopicsOpenTheProgramsOwnHelp) {
    ShowFrame();
    QTest::keyClick(&frame, Qt::Key_F1);
    ASSERT_NE(frame.Help(), nullptr);
    EXPECT_TRUE(frame.Help()->isVisible());
    const QString page = frame.Help()->Browser().toPlainText();
    for (const char* topic : {"Rules", "How to play", "Levels", "Hints", "Training games"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(topic))) << topic;
    }
    // What Open and Save really do, since a game file holds nothing.
    EXPECT_TRUE(page.contains("games are not stored")) << "Save";
    EXPECT_TRUE(page.contains("the game on the board stays as it is")) << "Open";
    EXPECT_TRUE(page.contains("play by keyboard"));
    QApplication::setActiveWindow(frame.Help());
    QTest::keyClick(frame.Help(), Qt::Key_Escape);
    EXPECT_FALSE(frame.Help()->isVisible()) << "Esc closes the help";
    frame.Help()->close();
    Action(ID_HELP_FINDER).trigger();
    EXPECT_TRUE(frame.Help()->isVisible());
}

TEST_F(FrameTest, ExitClosesTheWindow) {
    ShowFrame();
    Action(ID_APP_EXIT).trigger();
    EXPECT_FALSE(frame.isVisible());
}

}  // namespace
}  // namespace flipstone
