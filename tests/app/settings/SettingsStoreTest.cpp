// The settings store: names and places, values and defaults, and files it must not trust.
#include "app/settings/SettingsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "SettingsFolder.h"

namespace flipstone {
namespace {

using testing::SettingsFolder;

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsFolder folder;
    SettingsStore store = folder.Store();
};

TEST_F(SettingsStoreTest, FileIsTheCompanyFolderThenTheApplicationFile) {
    EXPECT_EQ(store.CompanyFolder(), folder.Path() + "/Hollin");
    EXPECT_EQ(store.FilePath(), folder.Path() + "/Hollin/Flipstone.conf");
}

TEST_F(SettingsStoreTest, DefaultLocationIsTheUsersConfigurationFolder) {
    EXPECT_EQ(SettingsStore::DefaultConfigFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    EXPECT_FALSE(SettingsStore::DefaultConfigFolder().isEmpty());
}

TEST_F(SettingsStoreTest, EmptyStoreGivesTheDefaults) {
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadPreviewPages(), 0);
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
    EXPECT_FALSE(QFileInfo::exists(store.FilePath())) << "reading writes nothing";
}

TEST_F(SettingsStoreTest, SoundIsWrittenAsTheStringOneOrZero) {
    store.WriteSound(true);
    EXPECT_EQ(folder.RawValue("Settings/Sound"), QVariant(QStringLiteral("1")));
    EXPECT_TRUE(store.ReadSound());
    store.WriteSound(false);
    EXPECT_EQ(folder.RawValue("Settings/Sound"), QVariant(QStringLiteral("0")));
    EXPECT_FALSE(store.ReadSound());
    EXPECT_TRUE(folder.ReadFile().contains("[Settings]"));
}

TEST_F(SettingsStoreTest, SoundIsOnOnlyForExactlyTheStringOne) {
    const QVariant offValues[] = {QStringLiteral(" 1"),   QStringLiteral("1 "),
                                  QStringLiteral("01"),   QStringLiteral("yes"),
                                  QStringLiteral("true"), QString(),
                                  QVariant(true),         QVariant(QStringList{"1"})};
    for (const QVariant& value : offValues) {
        folder.SetRawValue("Settings/Sound", value);
        EXPECT_FALSE(store.ReadSound()) << value.toString().toStdString();
        folder.SetRawValue("Settings/Sound", QStringLiteral("1"));
        EXPECT_TRUE(store.ReadSound());
    }
}

TEST_F(SettingsStoreTest, PreviewPagesIsWrittenOnlyWhenNotZero) {
    store.WritePreviewPages(0);
    EXPECT_FALSE(QFileInfo::exists(store.FilePath()));
    store.WritePreviewPages(3);
    EXPECT_EQ(store.ReadPreviewPages(), 3);
    folder.SetRawValue("Settings/PreviewPages", QStringLiteral("many"));
    EXPECT_EQ(store.ReadPreviewPages(), 0);
}

TEST_F(SettingsStoreTest, RecentFilesReplaceTheWholeSection) {
    folder.SetRawValue("Recent File List/File4", QStringLiteral("/old/four"));
    folder.SetRawValue("Recent File List/Other", QStringLiteral("stale"));
    store.WriteRecentFiles({"/a", "", "/c"});
    EXPECT_EQ(folder.RawValue("Recent File List/File1"), QVariant(QStringLiteral("/a")));
    EXPECT_EQ(folder.RawValue("Recent File List/File2"), QVariant(QStringLiteral("/c")));
    EXPECT_FALSE(folder.RawValue("Recent File List/File3").isValid());
    EXPECT_FALSE(folder.RawValue("Recent File List/File4").isValid());
    EXPECT_FALSE(folder.RawValue("Recent File List/Other").isValid());
    EXPECT_EQ(store.ReadRecentFiles(), (QStringList{"/a", "/c", "", ""}));
}

TEST_F(SettingsStoreTest, RecentFilesKeepTheOtherSection) {
    store.WriteSound(true);
    store.WriteRecentFiles({"/a"});
    EXPECT_TRUE(store.ReadSound());
}

TEST_F(SettingsStoreTest, RecentFileThatIsNotTextReadsAsEmpty) {
    folder.SetRawValue("Recent File List/File1", QVariant(QStringList{"/a", "/b"}));
    folder.SetRawValue("Recent File List/File2", QStringLiteral("/b"));
    EXPECT_EQ(store.ReadRecentFiles(), (QStringList{"", "/b", "", ""}));
}

TEST_F(SettingsStoreTest, GarbageGivesTheDefaults) {
    folder.WriteFile(
        "[Settings\nSound\n=1=\n\\\\\\\n[[[]]]\nFile1=@Variant(\\0\\0\\0\\t\\0\\xff)\n");
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadPreviewPages(), 0);
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, SerialisedValuesThatClaimHugeSizesGiveTheDefaults) {
    folder.WriteFile(
        "[Settings]\n"
        "Sound=@Variant(\\0\\0\\0\\t\\0\\xff\\xff\\xff\\xf0)\n"
        "PreviewPages=@Variant(\\0\\0\\0\\v\\0\\x7f\\xff\\xff\\xf0)\n"
        "[Recent%20File%20List]\n"
        "File1=@Variant(\\0\\0\\0\\f\\0\\x7f\\xff\\xff\\xf0)\n"
        "File2=@ByteArray(\\xff\\xfe)\n");
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadPreviewPages(), 0);
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, BinaryFileGivesTheDefaults) {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes.append(static_cast<char>((i * 131 + 7) % 256));
    }
    folder.WriteFile(bytes);
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, HugeFileIsNeitherReadNorRewritten) {
    folder.WriteFile("[Settings]\nSound=1\n");
    ASSERT_EQ(::truncate(QFile::encodeName(store.FilePath()).constData(), 512LL * 1024 * 1024), 0);
    EXPECT_FALSE(store.ReadSound());
    store.WriteSound(true);
    store.WriteRecentFiles({"/a"});
    EXPECT_EQ(QFileInfo(store.FilePath()).size(), 512LL * 1024 * 1024);
}

TEST_F(SettingsStoreTest, NamedPipeInPlaceOfTheFileGivesDefaultsAtOnce) {
    ASSERT_TRUE(QDir().mkpath(store.CompanyFolder()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(store.FilePath()).constData(), 0600), 0);
    EXPECT_FALSE(store.ReadSound());
    store.WriteSound(true);
    EXPECT_FALSE(QFileInfo(store.FilePath()).isFile()) << "the pipe is left alone";
}

TEST_F(SettingsStoreTest, FolderInPlaceOfTheFileGivesDefaults) {
    ASSERT_TRUE(QDir().mkpath(store.FilePath()));
    EXPECT_FALSE(store.ReadSound());
    store.WriteSound(true);
    EXPECT_TRUE(QFileInfo(store.FilePath()).isDir());
}

TEST_F(SettingsStoreTest, UnreadableFileGivesDefaults) {
    folder.WriteFile("[Settings]\nSound=1\n");
    ASSERT_TRUE(QFile::setPermissions(store.FilePath(), QFileDevice::WriteOwner));
    if (QFile(store.FilePath()).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this process reads every file (root with CAP_DAC_OVERRIDE or "
                        "CAP_DAC_READ_SEARCH)";
    }
    EXPECT_FALSE(store.ReadSound());
}

TEST_F(SettingsStoreTest, WritesFailSilentlyWhereTheFolderCannotBeMade) {
    QFile blocker(store.CompanyFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "a file where the company folder goes";
    blocker.close();
    store.WriteSound(true);
    store.WriteRecentFiles({"/a"});
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, WithoutAConfigurationFolderEverythingIsDefaultAndSilent) {
    SettingsStore nowhere{QString()};
    nowhere.WriteSound(true);
    EXPECT_FALSE(nowhere.ReadSound());
    EXPECT_EQ(nowhere.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, WritingCreatesTheCompanyFolder) {
    store.WriteSound(false);
    EXPECT_TRUE(QFileInfo(store.CompanyFolder()).isDir());
    EXPECT_TRUE(QFileInfo(store.FilePath()).isFile());
}

TEST_F(SettingsStoreTest, RemovingDeletesTheFileAndTheEmptyCompanyFolder) {
    store.WriteSound(true);
    store.WriteRecentFiles({"/a", "/b"});
    const SettingsStore::Removal removal = store.RemoveProgramSettings();
    EXPECT_TRUE(removal.removed);
    EXPECT_EQ(removal.message,
              "System registry entries have been removed and the INI file (if any) was deleted.");
    EXPECT_FALSE(QFileInfo::exists(store.FilePath()));
    EXPECT_FALSE(QFileInfo::exists(store.CompanyFolder()));
    EXPECT_FALSE(store.ReadSound());
    EXPECT_EQ(store.ReadRecentFiles(), QStringList(4, QString()));
}

TEST_F(SettingsStoreTest, RemovingKeepsTheCompanyFolderWhenItHoldsMore) {
    store.WriteSound(true);
    QFile other(store.CompanyFolder() + "/Other.conf");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_TRUE(store.RemoveProgramSettings().removed);
    EXPECT_FALSE(QFileInfo::exists(store.FilePath()));
    EXPECT_TRUE(QFileInfo::exists(other.fileName()));
}

TEST_F(SettingsStoreTest, RemovingWithNothingStoredSucceeds) {
    EXPECT_TRUE(store.RemoveProgramSettings().removed);
    EXPECT_TRUE(QFileInfo::exists(folder.Path()));
}

TEST_F(SettingsStoreTest, RemovingSaysSoWhenTheFileCannotGo) {
    ASSERT_TRUE(QDir().mkpath(store.FilePath() + "/inside"));
    const SettingsStore::Removal removal = store.RemoveProgramSettings();
    EXPECT_FALSE(removal.removed);
    EXPECT_TRUE(removal.message.contains(store.FilePath()));
    EXPECT_TRUE(QFileInfo::exists(store.FilePath() + "/inside"));
}

}  // namespace
}  // namespace flipstone
