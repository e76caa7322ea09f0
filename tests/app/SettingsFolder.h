#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "app/settings/SettingsStore.h"

namespace flipstone::testing {

// A temporary configuration folder holding the store's company folder and file.
class SettingsFolder {
public:
    QString Path() const { return folder_.path(); }
    SettingsStore Store() const { return SettingsStore(Path()); }
    QString FilePath() const { return Store().FilePath(); }
    QString CompanyFolder() const { return Store().CompanyFolder(); }

    // Replaces the store file with the given bytes.
    void WriteFile(const QByteArray& bytes) const;
    QByteArray ReadFile() const;
    // The raw value under a "Section/Name" key, as the settings library reads it.
    QVariant RawValue(const QString& key) const;
    void SetRawValue(const QString& key, const QVariant& value) const;

private:
    QTemporaryDir folder_;
};

}  // namespace flipstone::testing
