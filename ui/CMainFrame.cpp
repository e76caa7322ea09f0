#include "ui/CMainFrame.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "game/review/OpeningNames.h"
#include "ui/ActionCommandUpdate.h"
#include "ui/Artwork.h"
#include "ui/CFlipstoneView.h"
#include "ui/GameText.h"
#include "ui/HelpWindow.h"
#include "ui/StatusPanes.h"
#include "ui/explore/PlayFromHereDialog.h"
#include "ui/explore/SetUpPanel.h"
#include "ui/review/ReviewMoveList.h"
#include "ui/review/ReviewPanel.h"

namespace flipstone {

namespace {

// The level commands by level index: the four levels, then the strongest player.
constexpr int kLevelCommands[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4,
                                  ID_LEVEL_STRONGEST};

// The toolbar's buttons from left to right, and where a gap comes before one.
constexpr struct {
    int id;
    Artwork::ToolbarImage image;
    bool gapBefore;
} kToolbarButtons[] = {
    {ID_GAME_START, Artwork::kStartImage, false}, {ID_GAME_HINT, Artwork::kHintImage, true},
    {ID_SET_SOUND, Artwork::kSoundImage, true},   {ID_LEVEL_1, Artwork::kLevel1Image, true},
    {ID_LEVEL_2, Artwork::kLevel2Image, false},   {ID_LEVEL_3, Artwork::kLevel3Image, false},
    {ID_LEVEL_4, Artwork::kLevel4Image, false},   {ID_HELP_FINDER, Artwork::kHelpImage, true},
    {ID_APP_ABOUT, Artwork::kAboutImage, false},
};

// The commands without an update handler that would change the game, save it, or read it as it
// was, while a position is set up.
constexpr int kCommandsHeldWhileSettingUp[] = {
    ID_GAME_START, ID_GAME_REVIEW, ID_GAME_IMPORT,   ID_GAME_EXPORT,
    ID_EDIT_COPY,  ID_EDIT_PASTE,  ID_FILE_NEW,      ID_FILE_OPEN,
    ID_FILE_SAVE,  ID_EDIT_SET_UP, ID_EDIT_ANALYSIS, ID_VIEW_MOVE_VALUES,
};
// Those whose update handlers enable them by the game.
constexpr int kHandledCommandsHeldWhileSettingUp[] = {
    ID_GAME_HINT, ID_EDIT_UNDO, ID_EDIT_REDO, ID_LEVEL_1,
    ID_LEVEL_2,   ID_LEVEL_3,   ID_LEVEL_4,   ID_LEVEL_STRONGEST,
};

}  // namespace

CMainFrame::CMainFrame(CFlipstoneDoc& document, QWidget* parent)
    : QMainWindow(parent), document_(document), view_(new CFlipstoneView(document, this)) {
    PreCreateWindow();
    setCentralWidget(view_);
    // The board takes the keys whenever the window is active, also after a dialog or menu.
    view_->setFocus();
    OnCreate();
    ConnectCommands();
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &CMainFrame::RefreshCommandStates);
}

CMainFrame::~CMainFrame() = default;

QRect CMainFrame::FirstGeometry(QSize screen) {
    const int side = 2 * screen.height() / 3;
    return QRect((screen.width() - side) / 2, (screen.height() - side) / 2, side, side);
}

void CMainFrame::PreCreateWindow() {
    setWindowTitle(GameText(kPlainTitle));
    setWindowIcon(Artwork::AppIcon());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        firstGeometry_ = FirstGeometry(screen->geometry().size());
        resize(firstGeometry_.size());
        move(firstGeometry_.topLeft());
    }
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFirstGeometryToFrame();
}

// The first geometry is the whole window's. A window manager frames the window only once it is
// shown, and from then on the frame's size is known: the client shrinks by it.
void CMainFrame::FitFirstGeometryToFrame() {
    if (firstGeometry_.isNull() || windowHandle() == nullptr) {
        return;
    }
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;
    }
    const QRect first = std::exchange(firstGeometry_, QRect());
    resize(first.size().shrunkBy(frame));
    move(first.topLeft());
}

void CMainFrame::OnCreate() {
    CreateMenus();
    CreateAccelerators();
    CreateToolBar();
    CreateStatusBar();
}

QAction* CMainFrame::AddCommand(int commandId, const QString& text, const QString& prompt) {
    auto* action = new QAction(text, this);
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(lineBreak));
    if (lineBreak >= 0) {
        action->setToolTip(prompt.mid(lineBreak + 1));
    }
    action->setIconVisibleInMenu(false);
    // Any command may give the game something to do: the view's timer wakes first.
    connect(action, &QAction::triggered, view_, &CFlipstoneView::WakeTimer);
    actions_[commandId] = action;
    return action;
}

void CMainFrame::ConnectCommands() {
    On(ID_GAME_START, [this] { document_.OnGameStart(); });
    On(ID_GAME_HINT, [this] { document_.OnHint(); });
    On(ID_EDIT_UNDO, [this] { OnUndo(); });
    On(ID_EDIT_REDO, [this] { OnRedo(); });
    On(ID_GAME_REVIEW, [this] { OnReviewGame(); });
    On(ID_VIEW_MOVE_VALUES, [this](bool checked) { OnMoveValues(checked); });
    On(ID_EDIT_SET_UP, [this] { OnSetUpPosition(); });
    On(ID_EDIT_ANALYSIS, [this](bool checked) { OnAnalysisMode(checked); });
    On(ID_EDIT_PLAY_FROM_HERE, [this] { OnPlayFromHere(); });
    for (int k = 0; k <= kStrongestLevel; ++k) {
        On(kLevelCommands[k], [this, k] { document_.OnLevel(k); });
    }
    On(ID_HELP, [this] { OnHelpFinder(); });
    On(ID_HELP_FINDER, [this] { OnHelpFinder(); });
    On(ID_APP_EXIT, [this] { close(); });
    On(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
}

QAction* CMainFrame::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::CreateMenus() {
    CreateGameMenu();
    CreateEditMenu();

    //: The menu of settings: the computer's level and the sound.
    QMenu* set = menuBar()->addMenu(tr("&Set"));
    CreateLevelMenu(*set);
    QAction* sound = AddCommand(ID_SET_SOUND, tr("&Sound"), tr("Set sound\nSet sound"));
    sound->setCheckable(true);
    set->addAction(sound);

    CreateViewMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(
        AddCommand(ID_HELP_FINDER, tr("&Help Topics"), tr("List Help topics\nHelp Topics")));
    help->addSeparator();
    help->addAction(
        AddCommand(ID_APP_ABOUT, tr("&About Flipstone..."),
                   tr("Display program information, version number and copyright\nAbout")));
}

void CMainFrame::CreateGameMenu() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->addAction(AddCommand(ID_GAME_START, tr("&Start"), tr("Game start\nGame start")));
    game->addAction(AddCommand(ID_GAME_HINT, tr("&Hint")));
    game->addSeparator();
    game->addAction(AddCommand(ID_GAME_REVIEW, tr("&Review Game..."),
                               tr("Judge every move of the game\nReview Game")));
    game->addAction(AddCommand(ID_GAME_IMPORT, tr("&Import Game..."),
                               tr("Read a game from a file\nImport Game")));
    game->addAction(AddCommand(ID_GAME_EXPORT, tr("&Export Game..."),
                               tr("Write the game to a file\nExport Game")));
    game->addSeparator();
    game->addAction(AddCommand(ID_APP_EXIT, tr("E&xit"),
                               tr("Quit the application; prompts to save documents\nExit")));
}

void CMainFrame::CreateEditMenu() {
    const struct {
        int id;
        const char* text;
        const char* prompt;
        QList<QKeySequence> keys;
    } items[] = {
        {ID_EDIT_UNDO,
         QT_TR_NOOP("&Undo"),
         QT_TR_NOOP("Take back your last move\nUndo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {ID_EDIT_REDO,
         QT_TR_NOOP("&Redo"),
         QT_TR_NOOP("Play the moves taken back again\nRedo"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
        {ID_EDIT_COPY,
         QT_TR_NOOP("&Copy Moves"),
         QT_TR_NOOP("Copy the game's moves\nCopy Moves"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE,
         QT_TR_NOOP("&Paste Moves"),
         QT_TR_NOOP("Play the game on the clipboard\nPaste Moves"),
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
    };
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    for (const auto& item : items) {
        QAction* action = AddCommand(item.id, tr(item.text), tr(item.prompt));
        action->setShortcuts(item.keys);
        edit->addAction(action);
        if (item.id == ID_EDIT_REDO) {
            edit->addSeparator();
        }
    }
    edit->addSeparator();
    edit->addAction(AddCommand(ID_EDIT_SET_UP, tr("&Set Up Position..."),
                               tr("Set up a position on the board\nSet Up Position")));
    QAction* analysis =
        AddCommand(ID_EDIT_ANALYSIS, tr("&Analysis Mode"),
                   tr("Play both colours with the moves' values shown; the computer does not "
                      "move\nAnalysis Mode"));
    analysis->setCheckable(true);
    edit->addAction(analysis);
    edit->addAction(
        AddCommand(ID_EDIT_PLAY_FROM_HERE, tr("Play &from Here..."),
                   tr("Play against the computer from the position shown\nPlay from Here")));
}

void CMainFrame::CreateLevelMenu(QMenu& setMenu) {
    // Check marks, as on every other checkable item: no exclusive group, whose radio bullets the
    // style would draw. The update handlers keep exactly one level checked.
    QMenu* level = setMenu.addMenu(tr("&Level"));
    for (int k = 0; k < 4; ++k) {
        QAction* action = AddCommand(kLevelCommands[k], tr("Level &%1").arg(k + 1),
                                     tr("Computer Level %1\nLevel %1").arg(k + 1));
        action->setCheckable(true);
        level->addAction(action);
    }
    //: The level beyond Level 4: the program's strongest player, which searches far deeper.
    QAction* strongest = AddCommand(ID_LEVEL_STRONGEST, tr("&Strongest"),
                                    tr("The computer's strongest player\nStrongest"));
    strongest->setCheckable(true);
    level->addAction(strongest);
}

void CMainFrame::CreateViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("&View"));
    //: The toolbar's name, shown where the desktop lists the window's toolbars.
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    QAction* toggleToolBar = toolBar_->toggleViewAction();
    toggleToolBar->setText(tr("&Toolbar"));
    toggleToolBar->setStatusTip(tr("Show or hide the toolbar"));
    toggleToolBar->setToolTip(tr("Toggle ToolBar"));
    actions_[ID_VIEW_TOOLBAR] = toggleToolBar;
    view->addAction(toggleToolBar);

    QAction* toggleStatusBar = AddCommand(ID_VIEW_STATUS_BAR, tr("&Status Bar"),
                                          tr("Show or hide the status bar\nToggle StatusBar"));
    toggleStatusBar->setCheckable(true);
    toggleStatusBar->setChecked(true);
    view->addAction(toggleStatusBar);

    view->addSeparator();
    QAction* moveValues = AddCommand(ID_VIEW_MOVE_VALUES, tr("&Move Values"),
                                     tr("Show the value of each of your moves\nMove Values"));
    moveValues->setCheckable(true);
    view->addAction(moveValues);
}

void CMainFrame::CreateAccelerators() {
    const struct {
        int id;
        const char* text;
        const char* prompt;
        QKeySequence keys;
    } accelerators[] = {
        {ID_FILE_NEW, QT_TR_NOOP("&New"), QT_TR_NOOP("Create a new document\nNew"),
         QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ID_FILE_OPEN, QT_TR_NOOP("&Open..."), QT_TR_NOOP("Open an existing document\nOpen"),
         QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ID_FILE_SAVE, QT_TR_NOOP("&Save"), QT_TR_NOOP("Save the active document\nSave"),
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        //: The command of the F1 key: open the help window.
        {ID_HELP, QT_TR_NOOP("Help"), QT_TR_NOOP("Display help for current task or command\nHelp"),
         QKeySequence(Qt::Key_F1)},
    };
    for (const auto& accelerator : accelerators) {
        QAction* action = AddCommand(accelerator.id, tr(accelerator.text), tr(accelerator.prompt));
        action->setShortcut(accelerator.keys);
        addAction(action);
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_->setIconSize(QSize(Artwork::kToolbarImageWidth, Artwork::kToolbarImageHeight));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    for (const auto& button : kToolbarButtons) {
        if (button.gapBefore) {
            toolBar_->addSeparator();
        }
        toolBar_->addAction(Action(button.id));
    }
    ShowToolbarImages();
    // The button Qt shows when the bar is too narrow for every button has no text of its own; its
    // object name is the one Qt's style sheets know it by.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(tr("More toolbar buttons"));
    }
    // Hint has no prompt text, so its button shows no tooltip either.
    toolBar_->widgetForAction(Action(ID_GAME_HINT))->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::ShowToolbarImages() {
    for (const auto& button : kToolbarButtons) {
        Action(button.id)->setIcon(Artwork::ToolbarIcon(button.image, palette()));
    }
}

// A desktop that switches between light and dark palettes while the game runs.
void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && toolBar_ != nullptr) {
        ShowToolbarImages();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip &&
        watched == toolBar_->widgetForAction(Action(ID_GAME_HINT))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    panes_[0] = new QLabel(tr("For Help, press F1"), bar);
    panes_[0]->setMinimumWidth(0);
    panes_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(panes_[0], 1);
    // Until its first refresh each pane shows a text as wide as its widest usual figures.
    const std::array<QString, StatusPanes::kCount> defaults{
        PlyText(4), DiscsText(2, 2), tr("Value:%1").arg(QStringLiteral("+0000")),
        tr("Leaf: %1").arg(QStringLiteral("00000000"))};
    figures_ = new StatusPanes(defaults, *panes_[0], bar);
    bar->addPermanentWidget(figures_);
    for (int pane = 1; pane < 5; ++pane) {
        panes_[pane] = &figures_->Pane(pane - 1);
    }
}

QString CMainFrame::PaneText(int pane) const {
    if (pane == 0 && !statusBar()->currentMessage().isEmpty()) {
        return statusBar()->currentMessage();
    }
    return panes_.at(pane)->text();
}

QString CMainFrame::PlyText(int moveCount) {
    //: A status pane: the number of moves made in this game, passes not counted. Keep it short.
    return tr("Ply: %1").arg(QString::asprintf("%02d", moveCount));
}

QString CMainFrame::DiscsText(int black, int white) {
    //: A status pane: the number of black discs and of white discs on the board, each colour
    //: by its first letter.
    return tr("B: %1 / W: %2")
        .arg(QString::asprintf("%02d", black), QString::asprintf("%02d", white));
}

QString CMainFrame::ValueText(int searchValue) {
    //: A status pane: the computer's opinion of the position, a signed number (higher is better
    //: for the computer). Keep it short.
    return tr("Value:%1").arg(QString::asprintf("%+5d", searchValue));
}

QString CMainFrame::LeafText(int leafCount) {
    //: A status pane: the number of positions the computer has weighed for its move (the leaves
    //: of its search tree). Keep it short.
    return tr("Leaf: %1").arg(QString::asprintf("%8d", leafCount));
}

void CMainFrame::OnCommand(int commandId) {
    view_->WakeTimer();
    document_.OnCommand(commandId);
}

void CMainFrame::OnUndo() {
    view_->TellMovesTakenBack(document_.OnUndo());
}

void CMainFrame::OnRedo() {
    view_->TellMovesReplayed(document_.OnRedo());
}

void CMainFrame::OnMoveValues(bool show) {
    view_->ShowMoveValues(show);
    if (show) {
        document_.MarkTrainingGame();
    }
}

void CMainFrame::OnReviewGame() {
    if (reviewPanel_ == nullptr) {
        reviewPanel_ = new ReviewPanel(*view_, this);
        DockBesideBoard(*reviewPanel_);
    }
    ShowBesideBoard(*reviewPanel_);
    reviewedRecord_ = document_.History().Record();
    reviewPanel_->Review(reviewedRecord_);
    reviewPanel_->MoveList().setFocus();
}

void CMainFrame::DockBesideBoard(QDockWidget& panel) {
    addDockWidget(Qt::RightDockWidgetArea, &panel);
    panel.hide();
    connect(&panel, &QDockWidget::visibilityChanged, this, [this, &panel](bool visible) {
        if (!visible && widthBeforePanel_ > 0 && !panel.isFloating()) {
            resize(std::exchange(widthBeforePanel_, 0), height());
        }
    });
}

void CMainFrame::ShowBesideBoard(QDockWidget& panel) {
    if (panel.isHidden() && widthBeforePanel_ == 0) {
        widthBeforePanel_ = width();
        const QScreen* shown = screen();
        const int widest = shown != nullptr ? shown->availableGeometry().width() : width();
        resize(std::min(width() + panel.sizeHint().width(), widest), height());
    }
    panel.show();
    panel.raise();
}

void CMainFrame::OnSetUpPosition() {
    if (reviewPanel_ != nullptr) {
        reviewPanel_->close();
    }
    if (setUpPanel_ == nullptr) {
        setUpPanel_ = new SetUpPanel(document_, *view_, this);
        DockBesideBoard(*setUpPanel_);
    }
    ShowBesideBoard(*setUpPanel_);
    setUpPanel_->Begin(document_.History().Current());
}

void CMainFrame::OnAnalysisMode(bool on) {
    document_.OnAnalysisMode(on);
    view_->RefreshMoveValues();
}

void CMainFrame::OnPlayFromHere() {
    const std::optional<GameRecord> record = RecordToPlayFrom();
    if (!record) {
        return;
    }
    const std::uint8_t toMove = record->FinalPosition().ToMove();
    const std::optional<std::uint8_t> human =
        PlayFromHereDialog::Ask(this, toMove == kWhite ? kWhite : kBlack);
    if (!human) {
        return;
    }
    if (view_->SettingUp()) {
        setUpPanel_->End();
    }
    if (reviewPanel_ != nullptr) {
        reviewPanel_->close();
    }
    document_.PlayFrom(*record, *human);
    view_->RefreshMoveValues();
}

std::optional<GameRecord> CMainFrame::RecordToPlayFrom() {
    if (view_->SettingUp()) {
        return setUpPanel_->PlayableRecord();
    }
    if (view_->ShowsReviewPosition() && reviewPanel_ != nullptr &&
        reviewPanel_->MoveList().CurrentPly() > 0) {
        GameRecord record = reviewedRecord_;
        record.moves.resize(
            std::min<std::size_t>(record.moves.size(), reviewPanel_->MoveList().CurrentPly() - 1));
        return record;
    }
    return document_.History().Record();
}

QString CMainFrame::LineText(const std::vector<Square>& line) {
    QStringList moves;
    for (const Square move : line) {
        moves << QString::fromStdString(BoardText::SquareName(move));
    }
    //: The status bar in analysis: the moves the computer expects from the position, the best
    //: move first ("d3 c3 c4").
    return tr("Expected line: %1").arg(moves.join(QLatin1Char(' ')));
}

// In analysis the expected line; while the values of moves show, the well-known opening the game
// follows; otherwise the help message.
QString CMainFrame::MessageText() const {
    const bool analysing = document_.AnalysisMode();
    const std::vector<Square> line = analysing ? view_->ExpectedLine() : std::vector<Square>{};
    if (!line.empty()) {
        return LineText(line);
    }
    const char* opening = analysing || view_->MoveValuesShown()
                              ? OpeningNameOf(document_.History().Record())
                              : nullptr;
    if (opening != nullptr) {
        //: The status bar while the values of moves show, for a game that follows a well-known
        //: opening (%1, its name).
        return tr("Opening: %1").arg(OpeningName(opening));
    }
    return tr("For Help, press F1");
}

void CMainFrame::OnHelpFinder() {
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow(this);
    }
    helpWindow_->ShowContents();
}

void CMainFrame::RefreshCommandStates() {
    RunUpdateHandlers();
    Action(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    Action(ID_VIEW_MOVE_VALUES)->setChecked(view_->MoveValuesShown());
    Action(ID_EDIT_ANALYSIS)->setChecked(document_.AnalysisMode());
    Action(ID_EDIT_PLAY_FROM_HERE)
        ->setEnabled(view_->SettingUp() || view_->ShowsReviewPosition() ||
                     !document_.History().Current().IsOver());
    HoldCommandsWhileSettingUp();
    RefreshPanes();
}

void CMainFrame::HoldCommandsWhileSettingUp() {
    const bool settingUp = view_->SettingUp();
    for (const int id : kCommandsHeldWhileSettingUp) {
        Action(id)->setEnabled(!settingUp);
    }
    if (settingUp) {
        for (const int id : kHandledCommandsHeldWhileSettingUp) {
            Action(id)->setEnabled(false);
        }
    }
}

void CMainFrame::RunUpdateHandlers() {
    ActionCommandUpdate hint(*Action(ID_GAME_HINT));
    document_.OnUpdateHint(hint);
    for (int k = 0; k <= kStrongestLevel; ++k) {
        ActionCommandUpdate level(*Action(kLevelCommands[k]));
        document_.OnUpdateLevel(k, level);
    }
    ActionCommandUpdate undo(*Action(ID_EDIT_UNDO));
    document_.OnUpdateUndo(undo);
    ActionCommandUpdate redo(*Action(ID_EDIT_REDO));
    document_.OnUpdateRedo(redo);
    emit UpdatingCommandStates();
}

void CMainFrame::RefreshPanes() {
    figures_->ShowMessage(MessageText());
    const Board& board = view_->SettingUp() ? view_->ShownBoard() : document_.board;
    const QString texts[] = {
        PlyText(document_.moveCount),
        DiscsText(board.CountBlack(), board.CountWhite()),
        ValueText(document_.searchValue),
        LeafText(document_.leafCount),
    };
    for (int pane = 1; pane < 5; ++pane) {
        if (panes_[pane]->text() != texts[pane - 1]) {
            panes_[pane]->setText(texts[pane - 1]);
        }
    }
}

}  // namespace flipstone
