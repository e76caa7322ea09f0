// Fuzzes the reading of the settings store: the input is the whole settings file. Whatever it
// holds, the store reads four recent-file entries, and when it could read the file at all,
// writing the entries back and reading them again gives the non-empty ones in order.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings/SettingsStore.h"
#include "fuzz/FuzzInput.h"

namespace {

using flipstone::SettingsStore;
using flipstone::fuzz::Require;

// Files this small stay far below the store's size limit however much writing them back
// escapes their bytes.
constexpr std::size_t kSurelyReadableSize = 4096;

// A configuration folder of this run's own under the temporary folder; removed at exit.
const QString& ConfigFolder() {
    static const QString folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "flipstone-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        std::atexit([] { std::filesystem::remove_all(ConfigFolder().toStdString()); });
        return QString::fromStdString(pattern);
    }();
    return folder;
}

QStringList NonEmptyFirst(const QStringList& paths) {
    QStringList result;
    for (const QString& path : paths) {
        if (!path.isEmpty()) {
            result.append(path);
        }
    }
    while (result.size() < SettingsStore::kRecentFileCount) {
        result.append(QString());
    }
    return result;
}

void WriteSettingsFile(const SettingsStore& store, const std::uint8_t* data, std::size_t size) {
    std::filesystem::create_directories(store.CompanyFolder().toStdString());
    std::ofstream file(store.FilePath().toStdString(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsStore store(ConfigFolder());
    WriteSettingsFile(store, data, size);

    const bool sound = store.ReadSound();
    const int previewPages = store.ReadPreviewPages();
    const QStringList recentFiles = store.ReadRecentFiles();
    Require(recentFiles.size() == SettingsStore::kRecentFileCount, "four recent-file entries");

    store.WriteSound(!sound);
    store.WritePreviewPages(previewPages);
    store.WriteRecentFiles(recentFiles);
    const QStringList again = store.ReadRecentFiles();
    Require(again.size() == SettingsStore::kRecentFileCount, "four recent-file entries again");
    const bool fileWasRead = NonEmptyFirst(recentFiles) != NonEmptyFirst(QStringList());
    if (fileWasRead && size <= kSurelyReadableSize) {
        Require(again == NonEmptyFirst(recentFiles), "the recent files read back as written");
    }
    return 0;
}
