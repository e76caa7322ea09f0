#include "app/dialogs/CGameStartDialog.h"

#include <QPushButton>
#include <QRadioButton>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/GroupFrame.h"
#include "game/CFlipstoneDoc.h"

namespace flipstone {

namespace {

// Checks the button at the index and clears the rest; an index outside the group clears all.
void CheckIndex(QButtonGroup& group, int index) {
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) {
        button->setChecked(group.id(button) == index);
    }
    group.setExclusive(true);
}

}  // namespace

CGameStartDialog::CGameStartDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Flipstone"));
    setFont(DialogUnits::DialogFont());
    CreateControls();
    connect(&levelGroup_, &QButtonGroup::idClicked, this,
            [this](int index) { emit CommandIssued(ID_LEVEL_1 + index); });
}

void CGameStartDialog::CreateControls() {
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(119, 127));

    okButton_ = new QPushButton(tr("OK"), this);
    units.Place(*okButton_, 60, 10, 50, 14);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CGameStartDialog::accept);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    units.Place(*cancelButton_, 60, 30, 50, 14);
    connect(cancelButton_, &QPushButton::clicked, this, &CGameStartDialog::reject);

    //: The caption of the group that chooses who opens the game: the player or the computer.
    moveFrame_ = new GroupFrame(tr("Move"), this);
    units.Place(*moveFrame_, 5, 5, 50, 40);
    // The radio buttons lie over their group's frame, not in it, so a screen reader would not
    // hear the group: each button's spoken name is a whole phrase of its own.
    AddRadio(moveGroup_,
             //: In the group "Move": the player makes the game's first move, with black.
             tr("First"),
             //: What a screen reader says for the choice "First" of the group "Move".
             tr("Move first"), 10, 15, 30);
    AddRadio(moveGroup_,
             //: In the group "Move": the computer opens, the player answers with white.
             tr("Second"),
             //: What a screen reader says for the choice "Second" of the group "Move".
             tr("Move second"), 10, 30, 37);

    //: The caption of the group that chooses the computer's level, 1 to 4.
    levelFrame_ = new GroupFrame(tr("Level"), this);
    units.Place(*levelFrame_, 5, 50, 35, 70);
    for (int level = 0; level < 4; ++level) {
        AddRadio(levelGroup_, QStringLiteral("  %1").arg(level + 1),
                 //: What a screen reader says for a choice of the group "Level"; %1 is 1 to 4.
                 tr("Level %1").arg(level + 1), 10, 60 + 15 * level, 20);
    }
    WidenForTexts();
}

void CGameStartDialog::WidenForTexts() {
    QAbstractButton* first = moveGroup_.button(0);
    QAbstractButton* second = moveGroup_.button(1);
    const int groups = DialogUnits::WidenColumn({moveFrame_, levelFrame_, first, second},
                                                {okButton_, cancelButton_});
    const int buttons = DialogUnits::WidenColumn({okButton_, cancelButton_}, {});
    setFixedSize(width() + groups + buttons, height());
}

QRadioButton* CGameStartDialog::AddRadio(QButtonGroup& group, const QString& text,
                                         const QString& spokenName, int x, int y, int width) {
    auto* button = new QRadioButton(text, this);
    button->setAccessibleName(spokenName);
    DialogUnits(font()).Place(*button, x, y, width, 10);
    group.addButton(button, static_cast<int>(group.buttons().size()));
    return button;
}

QAbstractButton* CGameStartDialog::Control(int id) const {
    switch (id) {
        case kOk:
            return okButton_;
        case kCancel:
            return cancelButton_;
        case IDC_FIRST:
        case IDC_SECOND:
            return moveGroup_.button(id - IDC_FIRST);
        default:
            return levelGroup_.button(id - ID_LEVEL_1);
    }
}

void CGameStartDialog::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        moveChoice = moveGroup_.checkedId();
        levelChoice = levelGroup_.checkedId();
    } else {
        CheckIndex(moveGroup_, moveChoice);
        CheckIndex(levelGroup_, levelChoice);
    }
}

int CGameStartDialog::exec() {
    DoDataExchange(false);
    return QDialog::exec();
}

void CGameStartDialog::accept() {
    DoDataExchange(true);
    done(kOk);
}

void CGameStartDialog::reject() {
    done(kCancel);
}

}  // namespace flipstone
