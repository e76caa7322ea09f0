#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QRadioButton;

namespace flipstone {

// Asks which colour the human plays in a game against the computer from the position shown.
class PlayFromHereDialog : public QDialog {
    Q_OBJECT

public:
    // Opens with `proposed` (black or white) chosen.
    explicit PlayFromHereDialog(std::uint8_t proposed, QWidget* parent = nullptr);

    std::uint8_t HumanColour() const;
    // The colour chosen; none when the dialog was cancelled.
    static std::optional<std::uint8_t> Ask(QWidget* parent, std::uint8_t proposed);

private:
    QRadioButton* black_;
    QRadioButton* white_;
};

}  // namespace flipstone
