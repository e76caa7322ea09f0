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
    auto* colours = new QButtonGroup(this);
    colours->addButton(blackToMove_);
    colours->addButton(whiteToMove_);
    setWidget(MakeContent());
}

QWidget* SetUpPanel::MakeContent() {
    auto* help =
        new QLabel(tr("Click a square, or press Enter or Space on it, to make it empty, "
                      "black or white."));
    help->setWordWrap(true);
    QPushButton* const buttons[] = {
        Button(tr("Clear"), &SetUpPanel::OnClear),
        //: Fills the board with the four discs a game starts with.
        Button(tr("Start Position"), &SetUpPanel::OnStartPosition),
        Button(tr("OK"), &SetUpPanel::OnOk),
        Button(tr("Cancel"), &SetUpPanel::End),
    };
    auto* grid = new QGridLayout;
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(help);
    layout->addWidget(blackToMove_);
    layout->addWidget(whiteToMove_);
    layout->addLayout(grid);
    layout->addStretch(1);
    // From the board, Tab reaches the colour to move, then the buttons.
    setTabOrder(&view_, blackToMove_);
    setTabOrder(blackToMove_, whiteToMove_);
    QWidget* previous = whiteToMove_;
    for (int k = 0; k < 4; ++k) {
        grid->addWidget(buttons[k], k / 2, k % 2);
        setTabOrder(previous, buttons[k]);
        previous = buttons[k];
    }
    return content;
}

QPushButton* SetUpPanel::Button(const QString& text, void (SetUpPanel::*handler)()) {
    auto* button = new QPushButton(text);
    // Enter presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
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
