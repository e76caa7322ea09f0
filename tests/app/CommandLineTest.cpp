// The command line: the file to open, the switches, and absolute paths that begin with "/".
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "SettingsFolder.h"
#include "app/settings/SoundSetting.h"

namespace flipstone {
namespace {

CommandLine Parse(std::vector<std::string> arguments) {
    return CommandLine::Parse(arguments);
}

TEST(CommandLineTest, NothingGivenMeansANewGame) {
    const CommandLine commandLine = Parse({});
    EXPECT_FALSE(commandLine.HasFilePath());
    EXPECT_FALSE(commandLine.Unregister());
}

TEST(CommandLineTest, ARelativeNameIsTheFileToOpen) {
    const CommandLine commandLine = Parse({"game.pebble"});
    EXPECT_EQ(commandLine.FilePath(), "game.pebble");
    EXPECT_FALSE(commandLine.Unregister());
}

TEST(CommandLineTest, OnlyTheFirstPathCounts) {
    EXPECT_EQ(Parse({"first", "second"}).FilePath(), "first");
}

TEST(CommandLineTest, AbsolutePathOfAnExistingFileIsAPath) {
    QTemporaryDir folder;
    const QString file = folder.filePath("saved");
    QFile(file).open(QIODevice::WriteOnly);
    const std::string path = QFile::encodeName(file).toStdString();
    EXPECT_EQ(Parse({path}).FilePath(), path);
}

TEST(CommandLineTest, AbsolutePathOfAMissingFileIsStillAPath) {
    EXPECT_EQ(Parse({"/no/such/folder/game"}).FilePath(), "/no/such/folder/game");
    EXPECT_EQ(Parse({"-dash/file"}).FilePath(), "-dash/file");
}

TEST(CommandLineTest, SwitchWithoutAFurtherSlashIsASwitch) {
    const CommandLine commandLine = Parse({"/Unregister"});
    EXPECT_TRUE(commandLine.Unregister());
    EXPECT_FALSE(commandLine.HasFilePath());
}

TEST(CommandLineTest, ExistingTopLevelFolderIsAPathNotASwitch) {
    ASSERT_TRUE(QFileInfo::exists("/tmp"));
    EXPECT_EQ(Parse({"/tmp"}).FilePath(), "/tmp");
}

TEST(CommandLineTest, UnregisterInAnyLetterCaseAfterMinusOrSlash) {
    for (const char* argument :
         {"-unregister", "-UNREGISTER", "/unRegister", "-unregserver", "/UnregServer"}) {
        EXPECT_TRUE(Parse({argument}).Unregister()) << argument;
        EXPECT_TRUE(Parse({argument}).ShowsUnregisterMessage()) << argument;
    }
}

TEST(CommandLineTest, UnregisterWinsOverAPath) {
    const CommandLine commandLine = Parse({"game", "-unregister"});
    EXPECT_TRUE(commandLine.Unregister());
}

TEST(CommandLineTest, EmbeddingSilencesTheRemovalMessage) {
    const CommandLine commandLine = Parse({"-Embedding", "/unregserver"});
    EXPECT_TRUE(commandLine.Unregister());
    EXPECT_FALSE(commandLine.ShowsUnregisterMessage());
}

TEST(CommandLineTest, UnknownSwitchesAndEmptyArgumentsAreIgnored) {
    const CommandLine commandLine = Parse({"-p", "/dde", "-", "", "-Unregistered", "-Embedding"});
    EXPECT_FALSE(commandLine.HasFilePath());
    EXPECT_FALSE(commandLine.Unregister());
    EXPECT_FALSE(commandLine.ShowsUnregisterMessage());
}

TEST(CommandLineTest, ArgvSkipsTheProgramName) {
    const char* argv[] = {"flipstone", "-unregister", "saved"};
    const CommandLine commandLine = CommandLine::Parse(3, argv);
    EXPECT_TRUE(commandLine.Unregister());
    EXPECT_EQ(commandLine.FilePath(), "saved");
}

TEST(CommandLineTest, UnregisterAfterSomeRunsLeavesAnEmptyStore) {
    testing::SettingsFolder folder;
    {
        SettingsStore store = folder.Store();
        SoundSetting sound;
        sound.Toggle(store);
        store.WriteRecentFiles({"/games/one"});
    }
    const CommandLine commandLine = Parse({"-unregister"});
    ASSERT_TRUE(commandLine.Unregister());
    SettingsStore store = folder.Store();
    const SettingsStore::Removal removal = store.RemoveProgramSettings();
    EXPECT_EQ(removal.message,
              "System registry entries have been removed and the INI file (if any) was deleted.");
    EXPECT_FALSE(QFileInfo::exists(folder.CompanyFolder()));
    SoundSetting nextStart;
    nextStart.ReadFrom(folder.Store());
    EXPECT_FALSE(nextStart.IsOn());
    EXPECT_EQ(folder.Store().ReadRecentFiles(), QStringList(4, QString()));
}

}  // namespace
}  // namespace flipstone
