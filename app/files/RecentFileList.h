#pragma once

#include <QString>
#include <QStringList>

namespace flipstone {

class SettingsStore;

// The paths of the files most recently opened or saved: most recent first, at most four,
// each path once. Read from the settings store at start-up and written back at exit.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;

    // Puts the path at the head, moving it up if present and dropping the oldest when full.
    void Add(const QString& path);
    const QStringList& Entries() const { return entries_; }

    void ReadFrom(const SettingsStore& store);
    void WriteTo(SettingsStore& store) const;

private:
    QStringList entries_;
};

}  // namespace flipstone
