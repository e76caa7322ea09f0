#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <map>
#include <optional>

#include "game/records/GameRecord.h"

class QDockWidget;
class QLabel;
class QToolBar;
class QMenu;

namespace flipstone {

class CFlipstoneDoc;
class CFlipstoneView;
class HelpWindow;
class ReviewPanel;
class SetUpPanel;
class StatusPanes;

// Commands the frame itself carries, beside the game's commands of CFlipstoneDoc.
enum FrameCommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_HELP = 57670,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    // Beside the commands above: game records, the review and the move values.
    ID_GAME_REVIEW = 32790,
    ID_GAME_IMPORT = 32791,
    ID_GAME_EXPORT = 32792,
    ID_VIEW_MOVE_VALUES = 32793,
    // Beside those: exploring any position.
    ID_EDIT_SET_UP = 32796,
    ID_EDIT_PLAY_FROM_HERE = 32798,
};

// Status bar panes after the message pane.
enum IndicatorId : int {
    ID_INDICATOR_PLY = 102,
    ID_INDICATOR_DISCS = 103,
    ID_INDICATOR_VALUE = 104,
    ID_INDICATOR_LEAF = 105,
};

// The main window: menu, dockable toolbar, status bar with the game's running figures, and the
// board view. Each command is a QAction: the frame connects its own (help, exit, the bars) and
// the document's; the application connects Sound, About, New, Open, Save and the game records'
// commands. An action that nobody connects does nothing.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CFlipstoneDoc& document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CFlipstoneDoc& Document() { return document_; }
    CFlipstoneView& View() { return *view_; }
    QToolBar& ToolBar() { return *toolBar_; }
    // The action of a command id; null for an id the frame does not carry.
    QAction* Action(int commandId) const;
    // Runs the handler whenever the command's menu item, toolbar button or key is used.
    template <typename Handler>
    void On(int commandId, Handler handler) {
        connect(Action(commandId), &QAction::triggered, this, handler);
    }
    // Pane 0 is the message pane, 1..4 the Ply, disc, Value and Leaf panes.
    QString PaneText(int pane) const;
    QLabel& PaneLabel(int pane) { return *panes_.at(pane); }
    HelpWindow* Help() { return helpWindow_; }
    // The review beside the board; null until the first review.
    ReviewPanel* Review() { return reviewPanel_; }
    // The setting up of a position beside the board; null until it is first used.
    SetUpPanel* SetUp() { return setUpPanel_; }

    // A command id that a dialog's button carries (the start dialog's level buttons): passed
    // to the document, whether or not its menu item is enabled.
    void OnCommand(int commandId);

    // Enables and checks the commands and fills the status panes; runs whenever the event
    // loop falls idle.
    void RefreshCommandStates();

    // The first window: a square of two thirds of the screen's height, centred.
    static QRect FirstGeometry(QSize screen);
    static QString PlyText(int moveCount);
    static QString DiscsText(int black, int white);
    static QString ValueText(int searchValue);
    static QString LeafText(int leafCount);

    void OnHelpFinder();
    // Opens the review beside the board and reviews the game so far.
    void OnReviewGame();
    // Shows or hides the value of each of the human's moves; showing them makes a training game.
    void OnMoveValues(bool show);
    // Sets up a position beside the board, starting from the game's.
    void OnSetUpPosition();
    // Analysis shows the values of the moves of the colour to move, and the expected line.
    void OnAnalysisMode(bool on);
    // A game against the computer from the position being set up, the one selected in the
    // review, or the game's, the human's colour asked for.
    void OnPlayFromHere();
    // "Expected line: d3 c3 c4".
    static QString LineText(const std::vector<Square>& line);
    QString MessageText() const;

signals:
    // The update handlers of commands the frame does not carry itself run now.
    void UpdatingCommandStates();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void PreCreateWindow();
    void FitFirstGeometryToFrame();
    void OnCreate();
    QAction* AddCommand(int commandId, const QString& text, const QString& prompt = QString());
    void ConnectCommands();
    void CreateMenus();
    void CreateGameMenu();
    void CreateEditMenu();
    // Undo and Redo, told to the screen reader.
    void OnUndo();
    void OnRedo();
    void CreateLevelMenu(QMenu& setMenu);
    void CreateViewMenu();
    void CreateAccelerators();
    void CreateToolBar();
    void ShowToolbarImages();
    void CreateStatusBar();
    void RefreshPanes();
    void RunUpdateHandlers();
    // What stands still while a position is set up.
    void HoldCommandsWhileSettingUp();
    // Docks the panel at the right of the board; shown, it widens the window by its width, and
    // hidden, it gives the width back, so that the board keeps its size.
    void DockBesideBoard(QDockWidget& panel);
    void ShowBesideBoard(QDockWidget& panel);
    // The game to play from: the position set up, the position before the move selected in the
    // review, or the game so far; none when the position set up cannot be played.
    std::optional<GameRecord> RecordToPlayFrom();

    CFlipstoneDoc& document_;
    CFlipstoneView* view_;
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, 5> panes_{};
    StatusPanes* figures_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    ReviewPanel* reviewPanel_ = nullptr;
    // The game the review judges.
    GameRecord reviewedRecord_;
    SetUpPanel* setUpPanel_ = nullptr;
    // The window's width before a panel beside the board widened it; 0 while none is shown.
    int widthBeforePanel_ = 0;
    std::map<int, QAction*> actions_;
    // Until a window manager's frame is known: the square the whole window is to fill.
    QRect firstGeometry_;
};

}  // namespace flipstone
