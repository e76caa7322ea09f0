#include "app/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>
#include <utility>

namespace flipstone {
namespace {

constexpr const char* kSoundKey = "Settings/Sound";
constexpr const char* kPreviewPagesKey = "Settings/PreviewPages";
constexpr const char* kRecentFileSection = "Recent File List";
constexpr const char* kSoundOn = "1";
constexpr const char* kSoundOff = "0";

std::filesystem::path PathOf(const QString& name) {
    return std::filesystem::path(name.toStdString());
}

QString RecentFileKey(int number) {
    return QStringLiteral("%1/File%2").arg(QLatin1String(kRecentFileSection)).arg(number);
}

QString RemovalFailure(const QString& file, const QString& reason) {
    return QCoreApplication::translate("SettingsStore",
                                       "The settings file %1 could not be removed: %2.")
        .arg(file, reason);
}

// Removes the company folder if it is a real folder and empty; anything else leaves it alone.
void RemoveEmptyCompanyFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(std::filesystem::symlink_status(folder, error)) &&
        std::filesystem::is_empty(folder, error)) {
        std::filesystem::remove(folder, error);
    }
}

}  // namespace

SettingsStore::SettingsStore(QString configFolder) : configFolder_(std::move(configFolder)) {}

QString SettingsStore::DefaultConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SettingsStore::CompanyFolder() const {
    return configFolder_ + QLatin1Char('/') + QLatin1String(kCompany);
}

QString SettingsStore::FilePath() const {
    return CompanyFolder() + QLatin1Char('/') + QLatin1String(kApplication) +
           QLatin1String(".conf");
}

bool SettingsStore::FileIsSafeToRead() const {
    if (configFolder_.isEmpty()) {
        return false;
    }
    std::error_code error;
    const std::filesystem::path file = PathOf(FilePath());
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return true;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return !error && size <= static_cast<std::uintmax_t>(kLargestReadableFile);
}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    if (!FileIsSafeToRead()) {
        return nullptr;
    }
    auto settings = std::make_unique<QSettings>(FilePath(), QSettings::IniFormat);
    if (settings->status() != QSettings::NoError) {
        return nullptr;
    }
    return settings;
}

bool SettingsStore::ReadSound() const {
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings) {
        return false;
    }
    const QVariant value = settings->value(QLatin1String(kSoundKey));
    return value.typeId() == QMetaType::QString && value.toString() == QLatin1String(kSoundOn);
}

void SettingsStore::WriteSound(bool on) {
    if (const std::unique_ptr<QSettings> settings = Open()) {
        settings->setValue(QLatin1String(kSoundKey), QLatin1String(on ? kSoundOn : kSoundOff));
        settings->sync();
    }
}

int SettingsStore::ReadPreviewPages() const {
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings) {
        return 0;
    }
    bool isNumber = false;
    const int pages = settings->value(QLatin1String(kPreviewPagesKey)).toInt(&isNumber);
    return isNumber ? pages : 0;
}

void SettingsStore::WritePreviewPages(int pages) {
    if (pages == 0) {
        return;
    }
    if (const std::unique_ptr<QSettings> settings = Open()) {
        settings->setValue(QLatin1String(kPreviewPagesKey), pages);
        settings->sync();
    }
}

QStringList SettingsStore::ReadRecentFiles() const {
    QStringList paths;
    const std::unique_ptr<QSettings> settings = Open();
    for (int number = 1; number <= kRecentFileCount; ++number) {
        const QVariant value = settings ? settings->value(RecentFileKey(number)) : QVariant();
        paths.append(value.typeId() == QMetaType::QString ? value.toString() : QString());
    }
    return paths;
}

void SettingsStore::WriteRecentFiles(const QStringList& paths) {
    const std::unique_ptr<QSettings> settings = Open();
    if (!settings) {
        return;
    }
    settings->remove(QLatin1String(kRecentFileSection));
    int number = 1;
    for (const QString& path : paths) {
        if (!path.isEmpty() && number <= kRecentFileCount) {
            settings->setValue(RecentFileKey(number++), path);
        }
    }
    settings->sync();
}

SettingsStore::Removal SettingsStore::RemoveProgramSettings() {
    const std::filesystem::path file = PathOf(FilePath());
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
    if (status.type() == std::filesystem::file_type::directory) {
        return {false, RemovalFailure(FilePath(), QCoreApplication::translate("SettingsStore",
                                                                              "it is a folder"))};
    }
    if (status.type() != std::filesystem::file_type::not_found) {
        if (!std::filesystem::remove(file, error) && error) {
            return {false, RemovalFailure(FilePath(), QString::fromStdString(error.message()))};
        }
    }
    std::filesystem::remove(PathOf(FilePath() + QLatin1String(".lock")), error);
    RemoveEmptyCompanyFolder(PathOf(CompanyFolder()));
    //: Shown after "flipstone -unregister" has deleted the player's Flipstone settings (the file
    //: ~/.config/Hollin/Flipstone.conf). A Linux desktop has no system registry and no INI file:
    //: say in the player's words that the game's saved settings were removed.
    return {true, QCoreApplication::translate("SettingsStore",
                                              "System registry entries have been removed and the "
                                              "INI file (if any) was deleted.")};
}

}  // namespace flipstone
