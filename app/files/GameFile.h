#pragma once

#include <QString>
#include <optional>

namespace flipstone {

// The game file: always empty. Opening reads nothing and saving writes nothing; both only check
// that the file can be used and report, by name and reason, why not.
class GameFile {
public:
    // The one filter of the open and save dialogs: every file, names without a dot included.
    static constexpr const char* kDialogFilter = QT_TRANSLATE_NOOP("GameFile", "All Files (*)");

    // Checks that the file can be opened for reading. Never reads, never waits on a named pipe
    // and never opens a device. The error message when it cannot.
    static std::optional<QString> Open(const QString& path);
    // Creates the file or truncates it to length 0. A file this call created is deleted again
    // when finishing it fails. The error message when it cannot.
    static std::optional<QString> Save(const QString& path);

    // Save must ask for a name: no path yet, or the file is gone, read-only or not a plain file.
    static bool NeedsSaveAs(const QString& documentPath);
    // The plain file at the path holds at least one byte.
    static bool HasContent(const QString& path);
    // The document name cut at the first blank, "#", "%", ";", "/" or "\".
    static QString ProposedSaveName(const QString& documentName);
    static QString FullPath(const QString& path);
    // The name without folders.
    static QString Title(const QString& path);
};

}  // namespace flipstone
