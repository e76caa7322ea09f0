#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace flipstone {

// The dialogs of Import Game and Export Game. They offer GGF games (.ggf), transcripts (.txt) and
// every file; Export adds the extension of the chosen kind to a name that has none.
class RecordFileDialogs {
public:
    static void ConfigureImportDialog(QFileDialog& dialog);
    static void ConfigureExportDialog(QFileDialog& dialog, const QString& proposedName);

    // The chosen path; empty when cancelled.
    static QString AskImportPath(QWidget* parent);
    static QString AskExportPath(QWidget* parent, const QString& proposal);
};

}  // namespace flipstone
