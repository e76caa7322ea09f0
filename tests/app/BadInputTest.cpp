// Hostile files and settings met by the whole program: start-up with a damaged settings store,
// Open of odd files, Save onto devices and full disks, and the file commands while the
// game-over box is open. Each ends in the message that names the file or a defined no-op, without a
// hang, and leaves what was there before intact.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "RecordedMessages.h"
#include "SettingsFolder.h"
#include "app/CFlipstoneApp.h"
#include "app/files/FileCommands.h"
#include "app/files/GameFile.h"
#include "app/sound/CueOutput.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace flipstone {
namespace {

struct SilentOutput : CueOutput {
    void Play(std::span<const std::uint8_t>) override {}
};

bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The visible top-level widget of type T that matches, or null.
template <typename T>
T* Shown(const std::function<bool(T*)>& matches) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<T*>(widget);
        if (candidate != nullptr && candidate->isVisible() && matches(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

QMessageBox* GameOverBox() {
    return Shown<QMessageBox>([](QMessageBox* box) { return box->windowTitle() == "Game over"; });
}

class BadInputAppTest : public ::testing::Test {
protected:
    std::unique_ptr<CFlipstoneApp> Start(const std::vector<std::string>& arguments = {}) {
        auto app = std::make_unique<CFlipstoneApp>(settings.Path(), &output, &shown);
        EXPECT_TRUE(app->InitInstance(arguments));
        app->Frame().View().TickTimer().stop();
        return app;
    }

    QString MakeFile(const QString& name, const QByteArray& bytes = {}) const {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // Ends the game with the human ahead, lets the timer show the game-over box and runs the
    // act inside the box's own event loop, from a timer; the act ends by closing the box.
    static void WithGameOverBox(CFlipstoneApp& app, const std::function<void(QMessageBox*)>& act) {
        CFlipstoneDoc& document = app.Document();
        for (int index = 0; index < 64; ++index) {
            document.board.squares[index] = index < 40 ? kBlack : kWhite;
        }
        document.passCount = 2;
        bool done = false;
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (QMessageBox* box = GameOverBox()) {
                watcher.stop();
                act(box);
                done = true;
            }
        });
        watcher.start();
        app.Frame().View().TickTimer().start();
        EXPECT_TRUE(RunEventsUntil([&] { return done && GameOverBox() == nullptr; }));
        app.Frame().View().TickTimer().stop();
    }

    testing::SettingsFolder settings;
    QTemporaryDir files;
    SilentOutput output;
    testing::RecordedMessages shown;
    QStringList& messages = shown.texts;
};

// ---- The settings store at start-up and exit ----

TEST_F(BadInputAppTest, GarbageSettingsStartAtTheDefaults) {
    settings.WriteFile("[Settings\nSound\n=1=\n\\\\\\\n[[[]]]\n\x01\x02\xff\xfe");
    auto app = Start();
    EXPECT_FALSE(app->Sound().IsOn());
    EXPECT_TRUE(app->RecentFiles().Entries().isEmpty());
    app->ExitInstance();
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BadInputAppTest, HugeSettingsFileStartsAtTheDefaultsAndIsLeftAlone) {
    settings.WriteFile("[Settings]\nSound=1\n");
    ASSERT_EQ(::truncate(QFile::encodeName(settings.FilePath()).constData(), 256LL * 1024 * 1024),
              0);
    auto app = Start();
    EXPECT_FALSE(app->Sound().IsOn());
    app->OnSetSound();
    ASSERT_TRUE(app->Files().OpenDocumentFile(MakeFile("recent")));
    app->ExitInstance();
    EXPECT_EQ(QFileInfo(settings.FilePath()).size(), 256LL * 1024 * 1024);
}

TEST_F(BadInputAppTest, FolderInPlaceOfTheSettingsFileStartsAndExits) {
    ASSERT_TRUE(QDir().mkpath(settings.FilePath()));
    auto app = Start();
    app->OnSetSound();
    app->ExitInstance();
    EXPECT_TRUE(QFileInfo(settings.FilePath()).isDir());
}

TEST_F(BadInputAppTest, SettingsInAFolderWithoutWritePermissionAreKept) {
    const QByteArray stored = "[Settings]\nSound=1\n";
    settings.WriteFile(stored);
    ASSERT_TRUE(QFile::setPermissions(settings.CompanyFolder(),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (QFile probe(QDir(settings.CompanyFolder()).filePath("probe"));
        probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        GTEST_SKIP() << "this process writes into every folder (root with CAP_DAC_OVERRIDE)";
    }
    {
        auto app = Start();
        EXPECT_TRUE(app->Sound().IsOn());
        app->OnSetSound();
        EXPECT_FALSE(app->Sound().IsOn()) << "the toggle follows though it cannot be stored";
        ASSERT_TRUE(app->Files().OpenDocumentFile(MakeFile("recent")));
        app->ExitInstance();
    }
    EXPECT_EQ(Contents(settings.FilePath()), stored);
    EXPECT_EQ(QDir(settings.CompanyFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"Flipstone.conf"});
}

// ---- Open ----

TEST_F(BadInputAppTest, OpeningTheZeroDeviceReturnsAtOnceAndReadsNothing) {
    auto app = Start();
    EXPECT_TRUE(app->Files().OpenDocumentFile("/dev/zero"));
    EXPECT_EQ(app->Document().documentName, "zero");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BadInputAppTest, OpeningAGigabyteSparseFileReadsNothingAndKeepsIt) {
    const QString path = MakeFile("sparse");
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 1LL << 30), 0);
    auto app = Start();
    const Board before = app->Document().board;
    EXPECT_TRUE(app->Files().OpenDocumentFile(path));
    EXPECT_TRUE(app->Document().board == before);
    EXPECT_EQ(QFileInfo(path).size(), 1LL << 30);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(BadInputAppTest, OpeningANamedPipeWithoutAWriterReturnsAtOnce) {
    const QString pipe = files.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    auto app = Start();
    EXPECT_TRUE(app->Files().OpenDocumentFile(pipe));
    EXPECT_EQ(app->Document().documentName, "pipe");
}

TEST_F(BadInputAppTest, OpeningAnUnreadableFileSaysSoAndKeepsTheDocument) {
    const QString path = MakeFile("secret", "x");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this process reads every file (root with CAP_DAC_OVERRIDE or "
                        "CAP_DAC_READ_SEARCH)";
    }
    auto app = Start();
    EXPECT_FALSE(app->Files().OpenDocumentFile(path));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(path));
    EXPECT_TRUE(messages[0].contains("permission denied"));
    EXPECT_EQ(app->Document().documentName, kUntitled);
}

// ---- Save ----

TEST_F(BadInputAppTest, SavingOntoTheFullDeviceSaysItIsNotAPlainFile) {
    const std::optional<QString> error = GameFile::Save("/dev/full");
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("/dev/full"));
    EXPECT_TRUE(error->contains("not a plain file"));
    struct stat status {};
    ASSERT_EQ(::stat("/dev/full", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode)) << "the device is left alone";
}

// A tmpfs of four inodes in a temporary folder, filled up; skipped where mounting is not
// allowed. Saving creates an empty file, so only the file's creation can meet a full disk.
TEST_F(BadInputAppTest, SavingOntoAFullDiskSaysSoAndKeepsWhatIsThere) {
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k,nr_inodes=4") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const QDir disk(mountPoint.path());
    QStringList kept;
    for (int i = 0; i < 8; ++i) {
        QFile file(disk.filePath(QStringLiteral("kept%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly)) {
            break;
        }
        file.write("kept");
        kept.push_back(file.fileName());
    }
    const QString path = disk.filePath("game");
    const std::optional<QString> error = GameFile::Save(path);
    const bool created = QFileInfo::exists(path);
    QStringList contents;
    for (const QString& file : kept) {
        contents.push_back(QString::fromLatin1(Contents(file)));
    }
    ASSERT_EQ(::umount(where.constData()), 0);
    ASSERT_FALSE(kept.isEmpty());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(path)) << error->toStdString();
    EXPECT_TRUE(error->contains("the disk is full")) << error->toStdString();
    EXPECT_FALSE(created);
    EXPECT_EQ(contents, QStringList(kept.size(), "kept"));
}

// ---- New and Open while the game-over box is open ----

TEST_F(BadInputAppTest, NewWhileTheGameOverBoxIsOpenStartsAGameTheBoxLeavesAlone) {
    auto app = Start();
    CFlipstoneDoc& document = app->Document();
    int passCountAfterNew = -1;
    WithGameOverBox(*app, [&](QMessageBox* box) {
        app->Frame().Action(ID_FILE_NEW)->trigger();
        passCountAfterNew = document.passCount;
        EXPECT_EQ(document.moveCount, 0);
        EXPECT_EQ(document.board.CountDiscs(), 4);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(passCountAfterNew, 0);
    EXPECT_FALSE(document.IsGameOver()) << "closing the old box leaves the new game alone";
    EXPECT_EQ(document.board.CountDiscs(), 4);
}

TEST_F(BadInputAppTest, OpenWhileTheGameOverBoxIsOpenTakesTheFileAndKeepsTheGame) {
    const QString path = MakeFile("chosen", "twelve bytes");
    auto app = Start();
    CFlipstoneDoc& document = app->Document();
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* dialog = Shown<QFileDialog>([](QFileDialog*) { return true; })) {
            answer.stop();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    bool stillOpen = false;
    WithGameOverBox(*app, [&](QMessageBox* box) {
        answer.start();
        app->Frame().Action(ID_FILE_OPEN)->trigger();
        answer.stop();
        stillOpen = GameOverBox() == box;
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(stillOpen) << "the box stays open over the open dialog";
    EXPECT_EQ(document.documentName, "chosen");
    EXPECT_TRUE(document.IsGameOver()) << "Open changes only the name";
    EXPECT_EQ(Contents(path), "twelve bytes");
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace flipstone
