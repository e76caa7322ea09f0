#include "app/records/RecordFileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace flipstone {
namespace {

QString GgfFilter() {
    return QCoreApplication::translate("RecordFileDialogs", "GGF games (*.ggf)");
}

QString TranscriptFilter() {
    return QCoreApplication::translate("RecordFileDialogs", "Transcripts (*.txt)");
}

QString RunDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void RecordFileDialogs::ConfigureImportDialog(QFileDialog& dialog) {
    dialog.setWindowTitle(QCoreApplication::translate("RecordFileDialogs", "Import Game"));
    dialog.setNameFilters(
        {QCoreApplication::translate("RecordFileDialogs", "Game records (*.ggf *.txt)"),
         GgfFilter(), TranscriptFilter(),
         QCoreApplication::translate("RecordFileDialogs", "All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
}

void RecordFileDialogs::ConfigureExportDialog(QFileDialog& dialog, const QString& proposedName) {
    dialog.setWindowTitle(QCoreApplication::translate("RecordFileDialogs", "Export Game"));
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
