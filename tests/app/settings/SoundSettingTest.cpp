// The sound setting: off until read, read at start-up, written at every toggle.
#include "app/settings/SoundSetting.h"

#include <gtest/gtest.h>

#include <QFile>

#include "SettingsFolder.h"

namespace flipstone {
namespace {

using testing::SettingsFolder;

TEST(SoundSettingTest, FirstRunIsOffAndWritesNothing) {
    SettingsFolder folder;
    SoundSetting sound;
    EXPECT_FALSE(sound.IsOn()) << "before the store is read";
    sound.ReadFrom(folder.Store());
    EXPECT_FALSE(sound.IsOn());
    EXPECT_FALSE(folder.RawValue("Settings/Sound").isValid());
}

TEST(SoundSettingTest, TwoTogglesWriteOneThenZero) {
    SettingsFolder folder;
    SettingsStore store = folder.Store();
    SoundSetting sound;
    sound.ReadFrom(store);
    sound.Toggle(store);
    EXPECT_TRUE(sound.IsOn());
    EXPECT_EQ(folder.RawValue("Settings/Sound"), QVariant(QStringLiteral("1")));
    sound.Toggle(store);
    EXPECT_FALSE(sound.IsOn());
    EXPECT_EQ(folder.RawValue("Settings/Sound"), QVariant(QStringLiteral("0")))
        << "written, never deleted";
}

TEST(SoundSettingTest, StoredOneTurnsSoundOnAtTheNextStart) {
    SettingsFolder folder;
    {
        SettingsStore store = folder.Store();
        SoundSetting firstRun;
        firstRun.Toggle(store);
    }
    SoundSetting nextRun;
    nextRun.ReadFrom(folder.Store());
    EXPECT_TRUE(nextRun.IsOn());
}

TEST(SoundSettingTest, ToggleFollowsEvenWhenTheStoreCannotBeWritten) {
    SettingsFolder folder;
    QFile blocker(folder.CompanyFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store = folder.Store();
    SoundSetting sound;
    sound.Toggle(store);
    EXPECT_TRUE(sound.IsOn());
    sound.Toggle(store);
    EXPECT_FALSE(sound.IsOn());
}

}  // namespace
}  // namespace flipstone
