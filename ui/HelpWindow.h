#pragma once

#include <QWidget>

class QTextBrowser;

namespace flipstone {

// A small window showing the program's own help pages.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    QTextBrowser& Browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace flipstone
