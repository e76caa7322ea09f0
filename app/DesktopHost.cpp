#include "app/DesktopHost.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/dialogs/CGameStartDialog.h"
#include "app/sound/SoundCues.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"
#include "ui/GameText.h"

namespace flipstone {

void DesktopHost::UpdateViews() {
    if (frame_ != nullptr) {
        frame_->View().OnUpdate();
    }
}

// The document asks for the box from inside a timer tick, and a Qt timer never fires again
// while its own tick is still running. So the box opens from the event loop just after the
// tick, where the view's timer goes on ticking while the box waits for OK.
void DesktopHost::ShowGameOver(const std::string& text) {
    if (frame_ == nullptr) {
        return;
    }
    const QString message = GameText(text);
    QMetaObject::invokeMethod(
        frame_, [this, message] { RunGameOverBox(message); }, Qt::QueuedConnection);
}

void DesktopHost::RunGameOverBox(const QString& text) {
    QPointer<QMessageBox> box = new QMessageBox(
        QMessageBox::Information, QCoreApplication::translate("DesktopHost", "Game over"), text,
        QMessageBox::Ok, frame_);
    box->setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    box->show();
    loop.exec();
    if (box) {
        box->deleteLater();
    }
}

void DesktopHost::SetMainTitle(const std::string& title) {
    if (frame_ != nullptr) {
        frame_->setWindowTitle(GameText(title));
    }
}

void DesktopHost::PlayCue(unsigned id) {
    cues_.Play(id);
}

bool DesktopHost::RunStartDialog(StartChoice& choice) {
    CGameStartDialog dialog(frame_);
    dialog.moveChoice = choice.moveChoice;
    dialog.levelChoice = choice.levelChoice;
    if (frame_ != nullptr) {
        CMainFrame* frame = frame_;
        QObject::connect(&dialog, &CGameStartDialog::CommandIssued, frame,
                         [frame](int commandId) { frame->OnCommand(commandId); });
    }
    if (dialog.exec() != CGameStartDialog::kOk) {
        return false;
    }
    choice.moveChoice = dialog.moveChoice;
    choice.levelChoice = dialog.levelChoice;
    return true;
}

void DesktopHost::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void DesktopHost::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace flipstone
