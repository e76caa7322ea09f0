#include "SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace flipstone::testing {

void SettingsFolder::WriteFile(const QByteArray& bytes) const {
    QDir().mkpath(CompanyFolder());
    QFile file(FilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

QByteArray SettingsFolder::ReadFile() const {
    QFile file(FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant SettingsFolder::RawValue(const QString& key) const {
    return QSettings(FilePath(), QSettings::IniFormat).value(key);
}

void SettingsFolder::SetRawValue(const QString& key, const QVariant& value) const {
    QSettings settings(FilePath(), QSettings::IniFormat);
    settings.setValue(key, value);
}

}  // namespace flipstone::testing
