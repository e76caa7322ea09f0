// Start-up, exit and the application's own commands, with the settings in a temporary folder.
#include "app/CFlipstoneApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "RecordedMessages.h"
#include "SettingsFolder.h"
#include "app/dialogs/CAboutDialog.h"
#include "app/files/FileCommands.h"
#include "app/sound/CueOutput.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace flipstone {
namespace {

struct CountingOutput : CueOutput {
    void Play(std::span<const std::uint8_t> image) override { sizes.push_back(image.size()); }
    std::vector<std::size_t> sizes;
};

struct RecordedUpdate : CommandUpdate {
    void Enable(bool value) override { enabled = value; }
    void SetCheck(int value) override { checked = value; }
    bool enabled = false;
    int checked = -1;
};

class AppTest : public ::testing::Test {
protected:
    std::unique_ptr<CFlipstoneApp> Start(const std::vector<std::string>& arguments,
                                         bool expectWindow = true) {
        auto app = std::make_unique<CFlipstoneApp>(settings.Path(), &output, &shown);
        EXPECT_EQ(app->InitInstance(arguments), expectWindow);
        return app;
    }

    QString MakeFile(const QString& name) const {
        const QString path = files.path() + "/" + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    testing::SettingsFolder settings;
    QTemporaryDir files;
    CountingOutput output;
    testing::RecordedMessages shown;
    QStringList& messages = shown.texts;
};

TEST_F(AppTest, FirstRunIsSilentAtLevelTwoAndWritesNoSoundValue) {
    auto app = Start({});
    EXPECT_FALSE(app->Sound().IsOn());
    RecordedUpdate sound;
    app->OnUpdateSetSound(sound);
    EXPECT_EQ(sound.checked, 0);
    EXPECT_TRUE(sound.enabled);
    EXPECT_FALSE(settings.RawValue("Settings/Sound").isValid());
    CFlipstoneDoc& document = app->Document();
    EXPECT_EQ(document.levelIndex, 1);
    EXPECT_EQ(document.sideToMove, 0);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_TRUE(app->Frame().isVisible());
    EXPECT_TRUE(output.sizes.empty()) << "no start cue";
    app->ExitInstance();
    EXPECT_FALSE(settings.RawValue("Settings/Sound").isValid());
}

TEST_F(AppTest, SoundTogglesAreWrittenAtOnceAndCuesFollowTheSetting) {
    auto app = Start({});
    app->Document().PlaySoundCue(kDiscCue);
    EXPECT_TRUE(output.sizes.empty());
    app->OnSetSound();
    EXPECT_EQ(settings.RawValue("Settings/Sound").toString(), "1");
    app->Document().PlaySoundCue(kDiscCue);
    app->Document().PlaySoundCue(kStartCue);
    EXPECT_EQ(output.sizes, (std::vector<std::size_t>{202, 57464}));
    app->OnSetSound();
    EXPECT_EQ(settings.RawValue("Settings/Sound").toString(), "0");

    app->OnSetSound();
    auto next = Start({});
    EXPECT_TRUE(next->Sound().IsOn()) << "the stored \"1\" turns sound on at the next start";
}

TEST_F(AppTest, FileArgumentOpensTheFileInsteadOfANewGame) {
    const QString path = MakeFile("saved game");
    auto app = Start({QFile::encodeName(path).toStdString()});
    CFlipstoneDoc& document = app->Document();
    EXPECT_EQ(document.levelIndex, 1);
    EXPECT_EQ(document.board.CountDiscs(), 4);
    EXPECT_EQ(QString::fromStdString(document.documentPath), QDir(path).absolutePath());
    EXPECT_EQ(document.documentName, "saved game");
    EXPECT_EQ(app->RecentFiles().Entries().value(0), QDir(path).absolutePath());
    EXPECT_EQ(app->Frame().View().MarkedSquares().count, 4) << "the legal moves are marked";
    EXPECT_EQ(document.markerState, 2);
}

TEST_F(AppTest, MissingFileArgumentEndsStartUpWithAMessageNamingIt) {
    auto app = Start({(files.path() + "/no such game").toStdString()}, false);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("no such game")) << messages[0].toStdString();
}

TEST_F(AppTest, RecentFilesTravelAcrossARestartMostRecentFirst) {
    {
        auto app = Start({});
        for (const char* name : {"a", "b", "c", "a", "d", "e"}) {
            app->Files().OpenDocumentFile(MakeFile(name));
        }
        app->ExitInstance();
    }
    auto app = Start({});
    const QStringList entries = app->RecentFiles().Entries();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_TRUE(entries[0].endsWith("/e"));
    EXPECT_TRUE(entries[1].endsWith("/d"));
    EXPECT_TRUE(entries[2].endsWith("/a"));
    EXPECT_TRUE(entries[3].endsWith("/c"));
}

TEST_F(AppTest, UnregisterInLowerCaseRemovesTheSettingsAndEnds) {
    {
        auto app = Start({});
        app->OnSetSound();
        app->Files().OpenDocumentFile(MakeFile("kept"));
        app->ExitInstance();
    }
    ASSERT_TRUE(QFile::exists(settings.FilePath()));
    auto app = Start({"-unregister"}, false);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              "System registry entries have been removed and the INI file (if any) was deleted.");
    EXPECT_EQ(app->ExitStatus(), 0);
    app->ExitInstance();
    EXPECT_FALSE(QFile::exists(settings.FilePath())) << "the exit writes nothing after it";
    EXPECT_FALSE(QDir(settings.CompanyFolder()).exists());
    auto next = Start({});
    EXPECT_FALSE(next->Sound().IsOn());
    next->ExitInstance();

    EXPECT_EQ(Start({"-unregister"}, false)->ExitStatus(), 0) << "nothing left to remove";
    ASSERT_TRUE(QDir().mkpath(settings.FilePath())) << "a folder where the file belongs";
    EXPECT_EQ(Start({"-unregister"}, false)->ExitStatus(), 1) << "the removal failed";
}

TEST_F(AppTest, CtrlNStartsAFreshGameKeepingLevelAndTitleWithoutACue) {
    auto app = Start({});
    app->OnSetSound();
    CMainFrame& frame = app->Frame();
    QApplication::setActiveWindow(&frame);
    CFlipstoneDoc& document = app->Document();
    document.levelIndex = 3;
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    frame.setWindowTitle("Flipstone - Training game");
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(document.moveCount, 0);
    EXPECT_EQ(document.flipList.count, 0);
    EXPECT_EQ(document.humanColour, kBlack);
    EXPECT_EQ(document.levelIndex, 3);
    EXPECT_EQ(frame.windowTitle(), "Flipstone - Training game");
    EXPECT_TRUE(output.sizes.empty()) << "no start cue";
    EXPECT_EQ(frame.View().MarkedSquares().count, 4);
}

// Acts on the modal dialog of type T once its loop runs; false when none was open.
template <typename T>
void WhenModal(bool& seen, const std::function<void(T*)>& act) {
    QTimer::singleShot(0, [&seen, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (dialog != nullptr) {
            act(dialog);
        }
    });
}

TEST_F(AppTest, TheApplicationsCommandsReachItThroughTheFramesActions) {
    auto app = Start({});
    CMainFrame& frame = app->Frame();
    bool aboutOpen = false;
    WhenModal<CAboutDialog>(aboutOpen, [&](CAboutDialog* about) {
        EXPECT_EQ(about->parentWidget(), &frame);
        about->OkButton()->click();
    });
    frame.Action(ID_APP_ABOUT)->trigger();
    EXPECT_TRUE(aboutOpen) << "About opens the about box over the frame";

    frame.Action(ID_SET_SOUND)->trigger();
    EXPECT_TRUE(app->Sound().IsOn());
    frame.RefreshCommandStates();
    EXPECT_TRUE(frame.Action(ID_SET_SOUND)->isChecked()) << "the check follows at idle";

    bool saveAsked = false;
    WhenModal<QFileDialog>(saveAsked, [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save As");
        dialog->reject();
    });
    frame.Action(ID_FILE_SAVE)->trigger();
    EXPECT_TRUE(saveAsked);
}

TEST_F(AppTest, OpenWhileDiscsTurnSkipsNoDisc) {
    auto app = Start({});
    CFlipstoneDoc& document = app->Document();
    CFlipstoneDoc::stepCounter = CFlipstoneDoc::kStepsPerDisc;
    ASSERT_TRUE(document.TryMove(3, 2, kBlack));
    document.TurnStep();  // the move's own disc
    ASSERT_EQ(document.animationIndex, 1);
    ASSERT_TRUE(app->Files().OpenDocumentFile(MakeFile("opened mid-move")));
    EXPECT_EQ(document.animationIndex, 1) << "the refresh does not move the display on";
    for (int i = 0; i < 40 && document.flipList.count > 0; ++i) {
        document.TurnStep();
    }
    EXPECT_EQ(document.board.At(3, 2), kBlack);
    EXPECT_EQ(document.board.At(3, 3), kBlack) << "the turned disc was set, not skipped";
}

}  // namespace
}  // namespace flipstone
