// The recent-file list: order, limit and uniqueness, and its trip through the store.
#include "app/files/RecentFileList.h"

#include <gtest/gtest.h>

#include "SettingsFolder.h"

namespace flipstone {
namespace {

using testing::SettingsFolder;

TEST(RecentFileListTest, NewestFirstAtMostFour) {
    RecentFileList list;
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.Entries(), (QStringList{"/5", "/4", "/3", "/2"}));
}

TEST(RecentFileListTest, AddingAPathAgainMovesItToTheHead) {
    RecentFileList list;
    list.Add("/a");
    list.Add("/b");
    list.Add("/c");
    list.Add("/a");
    EXPECT_EQ(list.Entries(), (QStringList{"/a", "/c", "/b"}));
    list.Add("/a");
    EXPECT_EQ(list.Entries(), (QStringList{"/a", "/c", "/b"}));
}

TEST(RecentFileListTest, EmptyPathIsNotAdded) {
    RecentFileList list;
    list.Add("");
    EXPECT_TRUE(list.Entries().isEmpty());
}

TEST(RecentFileListTest, SurvivesARestart) {
    SettingsFolder folder;
    {
        SettingsStore store = folder.Store();
        RecentFileList atExit;
        for (const char* path : {"/x/one", "/x/two", "/x/three", "/x/one", "/x/four", "/x/five"}) {
            atExit.Add(path);
        }
        atExit.WriteTo(store);
    }
    RecentFileList atStart;
    atStart.ReadFrom(folder.Store());
    EXPECT_EQ(atStart.Entries(), (QStringList{"/x/five", "/x/four", "/x/one", "/x/three"}));
    EXPECT_EQ(folder.RawValue("Recent File List/File1"), QVariant(QStringLiteral("/x/five")));
    EXPECT_EQ(folder.RawValue("Recent File List/File4"), QVariant(QStringLiteral("/x/three")));
}

TEST(RecentFileListTest, ReadingDropsGapsAndRepeats) {
    SettingsFolder folder;
    folder.SetRawValue("Recent File List/File2", QStringLiteral("/b"));
    folder.SetRawValue("Recent File List/File3", QStringLiteral("/a"));
    folder.SetRawValue("Recent File List/File4", QStringLiteral("/b"));
    RecentFileList list;
    list.ReadFrom(folder.Store());
    EXPECT_EQ(list.Entries(), (QStringList{"/b", "/a"}));
}

TEST(RecentFileListTest, ReadingReplacesWhatWasThere) {
    SettingsFolder folder;
    RecentFileList list;
    list.Add("/in/memory");
    list.ReadFrom(folder.Store());
    EXPECT_TRUE(list.Entries().isEmpty());
}

TEST(RecentFileListTest, WritingAnEmptyListClearsTheSection) {
    SettingsFolder folder;
    folder.SetRawValue("Recent File List/File1", QStringLiteral("/old"));
    SettingsStore store = folder.Store();
    RecentFileList().WriteTo(store);
    EXPECT_FALSE(folder.RawValue("Recent File List/File1").isValid());
}

}  // namespace
}  // namespace flipstone
