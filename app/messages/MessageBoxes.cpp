#include "app/messages/MessageBoxes.h"

#include <QMessageBox>

#include "game/CFlipstoneDoc.h"

namespace flipstone {

void MessageBoxes::ShowFileError(QWidget* owner, const QString& text) {
    QMessageBox::warning(owner, QString::fromLatin1(kPlainTitle), text);
}

void MessageBoxes::ShowInformation(const QString& text) {
    QMessageBox::information(nullptr, QString::fromLatin1(kPlainTitle), text);
}

}  // namespace flipstone
