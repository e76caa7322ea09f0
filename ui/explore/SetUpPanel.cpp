#include "ui/explore/SetUpPanel.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/GameText.h"

namespace flipstone {

namespace {

QPushButton* Button(const QString& text) {
    auto* button = new QPushButton(text);
    // Enter presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

SetUpPanel::SetUpPanel(CFlipstoneDoc& document, CFlipstoneView& view, QWidget* parent)
    : QDockWidget(tr("Set Up Position"), parent),
      document_(document),
      view_(view),
      //: The colour that makes the first move from the position being set up.
      blackToMove_(new QRadioButton(tr("Black to move"))),
      whiteToMove_(new QRadioButton(tr("White to move"))) {
    setObjectName(QStringLiteral("SetUp"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* help =
        new QLabel(tr("Click a square, or press Enter or Space on it, to make it empty, "
                      "black or white."));
    help->setWordWrap(true);
    auto* colours = new QButtonGroup(this);
    colours->addButton(blackToMove_);
    colours->addButton(whiteToMove_);
    QPushButton* clear = Button(tr("Clear"));
    //: Fills the board with the four discs a game starts with.
    QPushButton* start = Button(tr("Start Position"));
    QPushButton* ok = Button(tr("OK"));
    QPushButton* cancel = Button(tr("Cancel"));
    auto* buttons = new QGridLayout;
    buttons->addWidget(clear, 0, 0);
    buttons->addWidget(start, 0, 1);
    buttons->addWidget(ok, 1, 0);
    buttons->addWidget(cancel, 1, 1);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(help);
    layout->addWidget(blackToMove_);
    layout->addWidget(whiteToMove_);
    layout->addLayout(buttons);
    layout->addStretch(1);
    setWidget(content);

    connect(clear, &QPushButton::clicked, this, &SetUpPanel::OnClear);
    connect(start, &QPushButton::clicked, this, &SetUpPanel::OnStartPosition);
    connect(ok, &QPushButton::clicked, this, &SetUpPanel::OnOk);
    connect(cancel, &QPushButton::clicked, this, &SetUpPanel::OnCancel);
    // From the board, Tab reaches the colour to move, then the buttons.
    setTabOrder(&view_, blackToMove_);
    setTabOrder(blackToMove_, whiteToMove_);
    setTabOrder(whiteToMove_, clear);
    setTabOrder(clear, start);
    setTabOrder(start, ok);
    setTabOrder(ok, cancel);
}

void SetUpPanel::Begin(const Position& position) {
    view_.ShowSetUpBoard(position.GetBoard());
    SetColourToMove(position.ToMove());
    show();
    raise();
    view_.setFocus();
}

std::uint8_t SetUpPanel::ColourToMove() const {
    return whiteToMove_->isChecked() ? kWhite : kBlack;
}

void SetUpPanel::SetColourToMove(std::uint8_t colour) {
    (colour == kWhite ? whiteToMove_ : blackToMove_)->setChecked(true);
}

void SetUpPanel::OnClear() {
    view_.ShowSetUpBoard(Board{});
}

void SetUpPanel::OnStartPosition() {
    view_.ShowSetUpBoard(Position::Start().GetBoard());
    SetColourToMove(kBlack);
}

std::optional<GameRecord> SetUpPanel::PlayableRecord() {
    const Board& board = view_.ShownBoard();
    if (!board.HasLegalMove(kBlack) && !board.HasLegalMove(kWhite)) {
        QMessageBox::warning(
            window(), GameText(kPlainTitle),
            tr("Neither black nor white can move in this position, so no game can be played "
               "from it. Change some squares, or press Cancel to return to the game."));
        return std::nullopt;
    }
    GameRecord record;
    record.start = board;
    record.firstToMove = ColourToMove();
    return record;
}

void SetUpPanel::OnOk() {
    if (const std::optional<GameRecord> record = PlayableRecord()) {
        End();
        document_.LoadRecord(*record);
    }
}

void SetUpPanel::End() {
    view_.EndSetUp();
    hide();
    view_.setFocus();
}

void SetUpPanel::closeEvent(QCloseEvent* event) {
    view_.EndSetUp();
    QDockWidget::closeEvent(event);
    view_.setFocus();
}

}  // namespace flipstone
