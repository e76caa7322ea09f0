#include "app/MessageBoxes.h"

#include <QMessageBox>

namespace flipstone {

namespace {

const QString kCaption = QStringLiteral("Flipstone");

}  // namespace

void MessageBoxes::ShowFileError(QWidget* owner, const QString& text) {
    QMessageBox::warning(owner, kCaption, text);
}

void MessageBoxes::ShowInformation(const QString& text) {
    QMessageBox::information(nullptr, kCaption, text);
}

}  // namespace flipstone
