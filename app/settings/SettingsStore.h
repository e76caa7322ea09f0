#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace flipstone {

// The per-user settings store: the file <config folder>/Hollin/Flipstone.conf with the sections
// "Settings" and "Recent File List". A file that cannot be read, is not a plain file or is
// implausibly large gives the defaults and is never written; failed writes are silent.
class SettingsStore {
public:
    static constexpr const char* kCompany = "Hollin";
    static constexpr const char* kApplication = "Flipstone";
    static constexpr int kRecentFileCount = 4;
    // A store this program wrote is a few hundred bytes; anything far bigger is not read.
    static constexpr long long kLargestReadableFile = 64 * 1024;

    // Outcome of removing the program's settings: the message to show tells which it was.
    struct Removal {
        bool removed = false;
        QString message;
    };

    // The folder that holds the company folder; by default the user's configuration folder.
    explicit SettingsStore(QString configFolder = DefaultConfigFolder());
    static QString DefaultConfigFolder();

    QString CompanyFolder() const;
    QString FilePath() const;

    // True exactly when "Sound" holds the string "1".
    bool ReadSound() const;
    void WriteSound(bool on);
    int ReadPreviewPages() const;
    // Writes the value only when it is not zero, as the exit does.
    void WritePreviewPages(int pages);
    // "File1".."File4" in order; an absent or non-text value gives an empty entry.
    QStringList ReadRecentFiles() const;
    // Replaces the whole section with one value for each non-empty path, "File1" first.
    void WriteRecentFiles(const QStringList& paths);

    // Deletes the program's settings file, then the company folder when nothing else is left
    // in it.
    Removal RemoveProgramSettings();

private:
    // Null when the file must not be read or written.
    std::unique_ptr<QSettings> Open() const;
    bool FileIsSafeToRead() const;

    QString configFolder_;
};

}  // namespace flipstone
