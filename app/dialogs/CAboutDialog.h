#pragma once

#include <QDialog>

class QPushButton;

namespace flipstone {

// The about box: the program's icon, name and version, and OK.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return okButton_; }

private:
    QPushButton* okButton_ = nullptr;
};

}  // namespace flipstone
