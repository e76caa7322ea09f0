#include "ui/HelpWindow.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/Artwork.h"

namespace flipstone {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Flipstone Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(520, 600);
    // Esc closes the help, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowContents() {
    browser_->setSource(Artwork::HelpContents());
    show();
    raise();
    activateWindow();
}

}  // namespace flipstone
