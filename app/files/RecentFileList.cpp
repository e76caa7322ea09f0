#include "app/files/RecentFileList.h"

#include "app/settings/SettingsStore.h"

namespace flipstone {

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    entries_.removeAll(path);
    entries_.prepend(path);
    while (entries_.size() > kMaxEntries) {
        entries_.removeLast();
    }
}

void RecentFileList::ReadFrom(const SettingsStore& store) {
    entries_.clear();
    for (const QString& path : store.ReadRecentFiles()) {
        if (!path.isEmpty() && !entries_.contains(path) && entries_.size() < kMaxEntries) {
            entries_.append(path);
        }
    }
}

void RecentFileList::WriteTo(SettingsStore& store) const {
    store.WriteRecentFiles(entries_);
}

}  // namespace flipstone
