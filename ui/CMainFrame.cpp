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
#include <utility>

#include "game/CFlipstoneDoc.h"
#include "ui/ActionCommandUpdate.h"
#include "ui/Artwork.h"
#include "ui/CFlipstoneView.h"
#include "ui/HelpWindow.h"
#include "ui/StatusPanes.h"

namespace flipstone {

namespace {

constexpr int kLevelCommands[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4};

// What each status pane shows until its first refresh; its width is that text's width.
const char* const kPaneDefaults[] = {"", "Ply: 04", "B: 02 / W: 02", "Value:+0000",
                                     "Leaf: 00000000"};

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
    setWindowTitle(QString::fromUtf8(kPlainTitle));
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
    for (int k = 0; k < 4; ++k) {
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
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(AddCommand(ID_GAME_START, QStringLiteral("&Start"),
                               QStringLiteral("Game start\nGame start")));
    game->addAction(AddCommand(ID_GAME_HINT, QStringLiteral("&Hint")));
    game->addSeparator();
    game->addAction(
        AddCommand(ID_APP_EXIT, QStringLiteral("E&xit"),
                   QStringLiteral("Quit the application; prompts to save documents\nExit")));

    QMenu* set = menuBar()->addMenu(QStringLiteral("&Set"));
    CreateLevelMenu(*set);
    QAction* sound =
        AddCommand(ID_SET_SOUND, QStringLiteral("&Sound"), QStringLiteral("Set sound\nSet sound"));
    sound->setCheckable(true);
    set->addAction(sound);

    CreateViewMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(AddCommand(ID_HELP_FINDER, QStringLiteral("&Help Topics"),
                               QStringLiteral("List Help topics\nHelp Topics")));
    help->addSeparator();
    help->addAction(AddCommand(
        ID_APP_ABOUT, QStringLiteral("&About Flipstone..."),
        QStringLiteral("Display program information, version number and copyright\nAbout")));
}

void CMainFrame::CreateLevelMenu(QMenu& setMenu) {
    // Check marks, as on every other checkable item: no exclusive group, whose radio bullets the
    // style would draw. The update handlers keep exactly one level checked.
    QMenu* level = setMenu.addMenu(QStringLiteral("&Level"));
    for (int k = 0; k < 4; ++k) {
        QAction* action = AddCommand(kLevelCommands[k], QStringLiteral("Level &%1").arg(k + 1),
                                     QStringLiteral("Computer Level %1\nLevel %1").arg(k + 1));
        action->setCheckable(true);
        level->addAction(action);
    }
}

void CMainFrame::CreateViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    QAction* toggleToolBar = toolBar_->toggleViewAction();
    toggleToolBar->setText(QStringLiteral("&Toolbar"));
    toggleToolBar->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    toggleToolBar->setToolTip(QStringLiteral("Toggle ToolBar"));
    actions_[ID_VIEW_TOOLBAR] = toggleToolBar;
    view->addAction(toggleToolBar);

    QAction* toggleStatusBar =
        AddCommand(ID_VIEW_STATUS_BAR, QStringLiteral("&Status Bar"),
                   QStringLiteral("Show or hide the status bar\nToggle StatusBar"));
    toggleStatusBar->setCheckable(true);
    toggleStatusBar->setChecked(true);
    view->addAction(toggleStatusBar);
}

void CMainFrame::CreateAccelerators() {
    const struct {
        int id;
        const char* text;
        const char* prompt;
        QKeySequence keys;
    } accelerators[] = {
        {ID_FILE_NEW, "&New", "Create a new document\nNew", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ID_FILE_OPEN, "&Open...", "Open an existing document\nOpen",
         QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ID_FILE_SAVE, "&Save", "Save the active document\nSave",
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {ID_HELP, "Help", "Display help for current task or command\nHelp",
         QKeySequence(Qt::Key_F1)},
    };
    for (const auto& accelerator : accelerators) {
        QAction* action = AddCommand(accelerator.id, QString::fromUtf8(accelerator.text),
                                     QString::fromUtf8(accelerator.prompt));
        action->setShortcut(accelerator.keys);
        addAction(action);
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_->setIconSize(QSize(Artwork::kToolbarImageWidth, Artwork::kToolbarImageHeight));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    const struct {
        int id;
        Artwork::ToolbarImage image;
        bool gapBefore;
    } buttons[] = {
        {ID_GAME_START, Artwork::kStartImage, false}, {ID_GAME_HINT, Artwork::kHintImage, true},
        {ID_SET_SOUND, Artwork::kSoundImage, true},   {ID_LEVEL_1, Artwork::kLevel1Image, true},
        {ID_LEVEL_2, Artwork::kLevel2Image, false},   {ID_LEVEL_3, Artwork::kLevel3Image, false},
        {ID_LEVEL_4, Artwork::kLevel4Image, false},   {ID_HELP_FINDER, Artwork::kHelpImage, true},
        {ID_APP_ABOUT, Artwork::kAboutImage, false},
    };
    for (const auto& button : buttons) {
        if (button.gapBefore) {
            toolBar_->addSeparator();
        }
        QAction* action = Action(button.id);
        action->setIcon(Artwork::ToolbarIcon(button.image));
        toolBar_->addAction(action);
    }
    // The button Qt shows when the bar is too narrow for every button has no text of its own; its
    // object name is the one Qt's style sheets know it by.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("More toolbar buttons"));
    }
    // Hint has no prompt text, so its button shows no tooltip either.
    toolBar_->widgetForAction(Action(ID_GAME_HINT))->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, toolBar_);
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
    panes_[0] = new QLabel(QStringLiteral("For Help, press F1"), bar);
    panes_[0]->setMinimumWidth(0);
    panes_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(panes_[0], 1);
    std::array<QString, StatusPanes::kCount> defaults;
    for (int pane = 1; pane < 5; ++pane) {
        defaults[pane - 1] = QString::fromUtf8(kPaneDefaults[pane]);
    }
    auto* figures = new StatusPanes(defaults, bar);
    bar->addPermanentWidget(figures);
    for (int pane = 1; pane < 5; ++pane) {
        panes_[pane] = &figures->Pane(pane - 1);
    }
}

QString CMainFrame::PaneText(int pane) const {
    if (pane == 0 && !statusBar()->currentMessage().isEmpty()) {
        return statusBar()->currentMessage();
    }
    return panes_.at(pane)->text();
}

QString CMainFrame::PlyText(int moveCount) {
    return QString::asprintf("Ply: %02d", moveCount);
}

QString CMainFrame::DiscsText(int black, int white) {
    return QString::asprintf("B: %02d / W: %02d", black, white);
}

QString CMainFrame::ValueText(int searchValue) {
    return QString::asprintf("Value:%+5d", searchValue);
}

QString CMainFrame::LeafText(int leafCount) {
    return QString::asprintf("Leaf: %8d", leafCount);
}

void CMainFrame::OnCommand(int commandId) {
    view_->WakeTimer();
    document_.OnCommand(commandId);
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
    RefreshPanes();
}

void CMainFrame::RunUpdateHandlers() {
    ActionCommandUpdate hint(*Action(ID_GAME_HINT));
    document_.OnUpdateHint(hint);
    for (int k = 0; k < 4; ++k) {
        ActionCommandUpdate level(*Action(kLevelCommands[k]));
        document_.OnUpdateLevel(k, level);
    }
    emit UpdatingCommandStates();
}

void CMainFrame::RefreshPanes() {
    const Board& board = document_.board;
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
