#include "app/records/RecordFileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace flipstone {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("RecordFileDialogs", text);
}

QString GgfFilter() {
    return Tr("GGF games (*.ggf)");
}

QString TranscriptFilter() {
    return Tr("Transcripts (*.txt)");
}

QString RunDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void RecordFileDialogs::ConfigureImportDialog(QFileDialog& dialog) {
    dialog.setWindowTitle(Tr("Import Game"));
    dialog.setNameFilters(
        {Tr("Game records (*.ggf *.txt)"), GgfFilter(), TranscriptFilter(), Tr("All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
}

void RecordFileDialogs::ConfigureExportDialog(QFileDialog& dialog, const QString& proposedName) {
    dialog.setWindowTitle(Tr("Export Game"));
    dialog.setNameFilters({GgfFilter(), TranscriptFilter()});
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QStringLiteral("ggf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == TranscriptFilter() ? QStringLiteral("txt")
                                                        : QStringLiteral("ggf"));
    });
    dialog.selectFile(proposedName);
}

QString RecordFileDialogs::AskImportPath(QWidget* parent) {
    QFileDialog dialog(parent);
    ConfigureImportDialog(dialog);
    return RunDialog(dialog);
}

QString RecordFileDialogs::AskExportPath(QWidget* parent, const QString& proposal) {
    QFileDialog dialog(parent);
    ConfigureExportDialog(dialog, proposal);
    return RunDialog(dialog);
}

}  // namespace flipstone
