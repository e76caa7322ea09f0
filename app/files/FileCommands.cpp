#include "app/files/FileCommands.h"

#include <QCoreApplication>

#include "app/files/FileCommandHost.h"
#include "app/files/GameFile.h"
#include "app/files/RecentFileList.h"
#include "game/CFlipstoneDoc.h"

namespace flipstone {

FileCommands::FileCommands(CFlipstoneDoc& document, RecentFileList& recentFiles,
                           FileCommandHost& host)
    : document_(document), recentFiles_(recentFiles), host_(host) {}

void FileCommands::OnFileNew() {
    document_.documentName = kUntitled;
    document_.NewGame();
    host_.InitialUpdate();
}

// A new game's name is shown in the user's language; a file's name as it is.
QString FileCommands::DocumentTitle() const {
    if (document_.documentName == kUntitled) {
        return QCoreApplication::translate("CFlipstoneDoc", kUntitled);
    }
    return QString::fromStdString(document_.documentName);
}

void FileCommands::OnFileOpen() {
    const QString path = host_.AskOpenPath();
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

bool FileCommands::OpenDocumentFile(const QString& path) {
    const QString fullPath = GameFile::FullPath(path);
    if (!DocumentPath().isEmpty() && fullPath == DocumentPath()) {
        host_.BringToFront();
        return true;
    }
    if (const auto error = GameFile::Open(fullPath)) {
        host_.ShowFileError(*error);
        return false;
    }
    TakeFile(fullPath);
    // The file holds no game: the game goes on, and a search under way starts afresh.
    document_.AbandonSearches();
    host_.InitialUpdate();
    return true;
}

bool FileCommands::OnFileSave() {
    QString path = DocumentPath();
    if (GameFile::NeedsSaveAs(path)) {
        path = host_.AskSavePath(GameFile::ProposedSaveName(DocumentTitle()));
    } else if (GameFile::HasContent(path)) {
        // Every file this program writes is empty, so this one is somebody else's: the dialog
        // asks before it is replaced.
        path = host_.AskSavePath(path);
    }
    if (path.isEmpty()) {
        return false;
    }
    const QString fullPath = GameFile::FullPath(path);
    if (const auto error = GameFile::Save(fullPath)) {
        host_.ShowFileError(*error);
        return false;
    }
    TakeFile(fullPath);
    return true;
}

void FileCommands::TakeFile(const QString& fullPath) {
    document_.documentPath = fullPath.toStdString();
    document_.documentName = GameFile::Title(fullPath).toStdString();
    recentFiles_.Add(fullPath);
}

QString FileCommands::DocumentPath() const {
    return QString::fromStdString(document_.documentPath);
}

}  // namespace flipstone
