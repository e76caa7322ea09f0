#pragma once

#include <QDockWidget>
#include <cstdint>
#include <optional>

#include "engine/Position.h"
#include "game/records/GameRecord.h"

class QPushButton;
class QRadioButton;

namespace flipstone {

class CFlipstoneDoc;
class CFlipstoneView;

// Setting up a position beside the board: the board shows the position and a click, or Enter or
// Space on the keyboard frame, changes a square; the panel chooses the colour to move, clears the
// board or fills it with the start position, and ends with OK, which makes the position the game,
// or Cancel, which leaves the game as it was. The game stands still meanwhile.
class SetUpPanel : public QDockWidget {
    Q_OBJECT

public:
    SetUpPanel(CFlipstoneDoc& document, CFlipstoneView& view, QWidget* parent = nullptr);

    // Shows the position on the board, its colour to move chosen, with the board's keys.
    void Begin(const Position& position);
    // The position as a record to play from; none, and a message saying why, when neither colour
    // could move in it.
    std::optional<GameRecord> PlayableRecord();
    // Ends the setting up and returns the board to the game.
    void End();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeContent();
    // A button that runs the handler when pressed.
    QPushButton* Button(const QString& text, void (SetUpPanel::*handler)());
    std::uint8_t ColourToMove() const;
    void SetColourToMove(std::uint8_t colour);
    void OnClear();
    void OnStartPosition();
    void OnOk();

    CFlipstoneDoc& document_;
    CFlipstoneView& view_;
    QRadioButton* blackToMove_;
    QRadioButton* whiteToMove_;
};

}  // namespace flipstone
