#pragma once

#include <QString>

namespace flipstone {

// What the game records' commands need from the window: the file dialogs and the error box.
class RecordCommandHost {
public:
    virtual ~RecordCommandHost() = default;

    // The chosen file's path; empty when the dialog was cancelled.
    virtual QString AskImportPath() = 0;
    // The proposal is a file name; the chosen path ends in .ggf or .txt.
    virtual QString AskExportPath(const QString& proposal) = 0;
    virtual void ShowRecordError(const QString& message) = 0;
};

}  // namespace flipstone
