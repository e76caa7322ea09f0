#include "app/language/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <utility>

// The translations live in a static library, so they are registered by hand before first use.
static void InitTranslationResources() {
    Q_INIT_RESOURCE(translations);
}

namespace flipstone {

Translations::Translations(QString ownFolder, QString toolkitFolder)
    : ownFolder_(std::move(ownFolder)), toolkitFolder_(std::move(toolkitFolder)) {}

Translations::~Translations() {
    Remove();
}

QString Translations::DefaultOwnFolder() {
    static const bool registered = [] {
        InitTranslationResources();
        return true;
    }();
    (void)registered;
    return QStringLiteral(":/flipstone/translations");
}

QString Translations::DefaultToolkitFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool Translations::Install(const QLocale& locale) {
    Remove();
    const QString separator = QStringLiteral("_");
    // A file that has lost the menu's first title is damaged, whatever else it may still hold.
    if (!own_.load(locale, QStringLiteral("flipstone"), separator, ownFolder_) ||
        own_.translate("flipstone::CMainFrame", "&Game").isEmpty()) {
        return false;
    }
    // The toolkit speaks the language the program's own texts were found in, so that a dialog
    // never mixes two languages.
    const QLocale found(own_.language());
    QCoreApplication::installTranslator(&own_);
    if (toolkit_.load(found, QStringLiteral("qtbase"), separator, toolkitFolder_)) {
        QCoreApplication::installTranslator(&toolkit_);
    }
    installed_ = true;
    return true;
}

void Translations::Remove() {
    if (installed_) {
        QCoreApplication::removeTranslator(&toolkit_);
        QCoreApplication::removeTranslator(&own_);
        installed_ = false;
    }
}

}  // namespace flipstone
