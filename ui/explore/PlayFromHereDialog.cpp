#include "ui/explore/PlayFromHereDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/Board.h"

namespace flipstone {

PlayFromHereDialog::PlayFromHereDialog(std::uint8_t proposed, QWidget* parent)
    : QDialog(parent),
      //: The human's colour in the game played from here.
      black_(new QRadioButton(tr("Play &black"))),
      white_(new QRadioButton(tr("Play &white"))) {
    setWindowTitle(tr("Play from Here"));
    //: The caption over the choice of the human's colour; the computer plays the other.
    auto* colours = new QGroupBox(tr("Your colour"));
    auto* choice = new QVBoxLayout(colours);
    choice->addWidget(black_);
    choice->addWidget(white_);
    (proposed == kWhite ? white_ : black_)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(colours);
    layout->addWidget(buttons);
}

std::uint8_t PlayFromHereDialog::HumanColour() const {
    return white_->isChecked() ? kWhite : kBlack;
}

std::optional<std::uint8_t> PlayFromHereDialog::Ask(QWidget* parent, std::uint8_t proposed) {
    PlayFromHereDialog dialog(proposed, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.HumanColour();
}

}  // namespace flipstone
