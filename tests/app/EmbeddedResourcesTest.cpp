// What the build embeds must not depend on when or where it ran: two builds of one commit give the
// same package bytes only if no resource carries a file's date and no program the build's folder.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QStringList>

#include "app/language/Translations.h"
#include "app/sound/WaveImages.h"
#include "ui/Artwork.h"

namespace flipstone {
namespace {

// Registers the resources as the program does when it first uses them, and lists every file of the
// program's own (Qt's libraries register theirs beside them).
QStringList EveryEmbeddedFile() {
    Artwork::HelpContents();
    WaveImages::DiscCue();
    Translations::DefaultOwnFolder();
    QStringList files;
    QDirIterator it(QStringLiteral(":/flipstone"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    return files;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kBuildFolders[] = {FLIPSTONE_SOURCE_DIR, FLIPSTONE_BINARY_DIR};

TEST(EmbeddedResourcesTest, NoResourceCarriesADateOrTheBuildFolder) {
    const QStringList files = EveryEmbeddedFile();
    for (const char* expected : {":/flipstone/sounds/disc.wav",
                                 ":/flipstone/translations/"
                                 "flipstone_de.qm"}) {
        ASSERT_TRUE(files.contains(QString::fromLatin1(expected))) << expected;
    }
    for (const QString& file : files) {
        EXPECT_FALSE(QResource(file).lastModified().isValid())
            << file.toStdString() << " carries the time it was built";
        const QByteArray bytes = ReadFile(file);
        for (const QByteArray& folder : kBuildFolders) {
            EXPECT_FALSE(bytes.contains(folder))
                << file.toStdString() << " names " << folder.data();
        }
    }
}

TEST(EmbeddedResourcesTest, NeitherProgramNamesTheBuildFolder) {
#ifdef FLIPSTONE_SANITIZED
    GTEST_SKIP() << "AddressSanitizer writes each source file's whole path into the program; only "
                    "the release build is packaged";
#endif
    for (const char* program : {FLIPSTONE_PROGRAM, FLIPSTONE_CLI_PROGRAM}) {
        const QByteArray bytes = ReadFile(QString::fromLocal8Bit(program));
        ASSERT_FALSE(bytes.isEmpty()) << program;
        for (const QByteArray& folder : kBuildFolders) {
            EXPECT_FALSE(bytes.contains(folder)) << program << " names " << folder.data();
        }
    }
}

}  // namespace
}  // namespace flipstone
