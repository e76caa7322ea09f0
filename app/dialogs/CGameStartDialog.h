#pragma once

#include <QButtonGroup>
#include <QDialog>

class QAbstractButton;
class QPushButton;
class QRadioButton;

namespace flipstone {

class GroupFrame;

// The new-game dialog: who moves first, and the computer's level. Its level buttons are the
// Level commands too: a click issues the command at once, whatever the dialog's outcome.
class CGameStartDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { kOk = 1, kCancel = 2 };
    enum ControlId {
        IDC_FIRST = 1004,
        IDC_SECOND = 1005,
    };

    explicit CGameStartDialog(QWidget* parent = nullptr);

    // 0 "First" (the human moves first), 1 "Second".
    int moveChoice = 0;
    // 0..3 for levels 1..4; -1 none.
    int levelChoice = -1;

    // Runs the dialog modally: kOk or kCancel.
    int exec() override;
    void accept() override;
    void reject() override;

    // The control with this id: 1 OK, 2 Cancel, 1004/1005 the move buttons, the Level command
    // ids for the level buttons; null for any other id.
    QAbstractButton* Control(int id) const;

signals:
    // A level button was clicked: the Level command with this id is to run now.
    void CommandIssued(int commandId);

protected:
    void DoDataExchange(bool saveAndValidate);

private:
    void CreateControls();
    void WidenForTexts();
    // A radio button of the group, and the name a screen reader says for it.
    QRadioButton* AddRadio(QButtonGroup& group, const QString& text, const QString& spokenName,
                           int x, int y, int width);

    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    GroupFrame* moveFrame_ = nullptr;
    GroupFrame* levelFrame_ = nullptr;
    QButtonGroup moveGroup_;
    QButtonGroup levelGroup_;
};

}  // namespace flipstone
