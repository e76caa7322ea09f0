#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace flipstone {

// The program's texts, and the toolkit's own (file dialogs, standard buttons), in the user's
// language. English is the source: for a language the program has no translation of, or whose
// translation cannot be read, every text stays English, the toolkit's included.
class Translations {
public:
    // The program's translations are flipstone_<language>.qm in ownFolder (its resources by
    // default), the toolkit's qtbase_<language>.qm in toolkitFolder (where the toolkit's
    // package puts them by default).
    explicit Translations(QString ownFolder = DefaultOwnFolder(),
                          QString toolkitFolder = DefaultToolkitFolder());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Installs on the running application the translations for the locale's languages; true
    // when the program's own was found and read.
    bool Install(const QLocale& locale);

    static QString DefaultOwnFolder();
    static QString DefaultToolkitFolder();

private:
    void Remove();

    QString ownFolder_;
    QString toolkitFolder_;
    QTranslator own_;
    QTranslator toolkit_;
    bool installed_ = false;
};

}  // namespace flipstone
