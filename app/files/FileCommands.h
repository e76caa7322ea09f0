#pragma once

#include <QString>

namespace flipstone {

class CFlipstoneDoc;
class FileCommandHost;
class RecentFileList;

// New, Open and Save. The game file stores nothing, so Open and Save change only the
// document's name and path and the recent-file list; New starts a new game at the same level.
class FileCommands {
public:
    FileCommands(CFlipstoneDoc& document, RecentFileList& recentFiles, FileCommandHost& host);

    void OnFileNew();
    void OnFileOpen();
    // Opens a file as the document, as Open does after its dialog and as start-up does for a
    // file named on the command line; false when the file could not be opened.
    bool OpenDocumentFile(const QString& path);
    // False when nothing was saved (cancelled or failed).
    bool OnFileSave();

private:
    void TakeFile(const QString& fullPath);
    QString DocumentPath() const;
    QString DocumentTitle() const;

    CFlipstoneDoc& document_;
    RecentFileList& recentFiles_;
    FileCommandHost& host_;
};

}  // namespace flipstone
