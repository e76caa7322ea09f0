#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/DesktopHost.h"
#include "app/files/FileCommandHost.h"
#include "app/files/RecentFileList.h"
#include "app/messages/UserMessages.h"
#include "app/records/RecordCommandHost.h"
#include "app/settings/SettingsStore.h"
#include "app/settings/SoundSetting.h"
#include "app/sound/SoundCues.h"

namespace flipstone {

class CFlipstoneDoc;
class CMainFrame;
class CommandUpdate;
class CueOutput;
class FileCommands;
class RecordCommands;

// The name the desktop knows the program by: its desktop entry, metainfo and icon carry it.
inline constexpr const char* kApplicationId = "io.github.flipstone.Flipstone";

// The one application object: starts the program (settings, the document with its frame and
// view, the command line), owns the sound setting and the recent-file list, and handles the
// Sound, About, New, Open and Save commands and the game records' commands.
class CFlipstoneApp : public FileCommandHost, public RecordCommandHost {
public:
    // The settings live under configFolder (the user's configuration folder by default); cues
    // go to output (the default audio output when none is given) and messages to messages
    // (message boxes when none is given).
    explicit CFlipstoneApp(QString configFolder = SettingsStore::DefaultConfigFolder(),
                           CueOutput* output = nullptr, UserMessages* messages = nullptr);
    ~CFlipstoneApp() override;
    CFlipstoneApp(const CFlipstoneApp&) = delete;
    CFlipstoneApp& operator=(const CFlipstoneApp&) = delete;

    // Start-up with the arguments after the program's name; false when the program must end
    // without entering its message loop, with ExitStatus().
    bool InitInstance(const std::vector<std::string>& arguments);
    // 0 when start-up ended the program as asked (the settings removed, or nothing to remove),
    // 1 when it failed.
    int ExitStatus() const { return exitStatus_; }
    // The exit's writing of the settings: the recent-file list, and the preview pages if set.
    void ExitInstance();

    void OnSetSound();
    void OnUpdateSetSound(CommandUpdate& update) const;
    // The about box over the main window.
    void OnAbout();

    CFlipstoneDoc& Document() { return *document_; }
    CMainFrame& Frame() { return *frame_; }
    const SoundSetting& Sound() const { return sound_; }
    const RecentFileList& RecentFiles() const { return recentFiles_; }
    FileCommands& Files() { return *files_; }
    RecordCommands& Records() { return *records_; }

    // How the file commands reach the window.
    QString AskOpenPath() override;
    QString AskSavePath(const QString& proposal) override;
    void ShowFileError(const QString& message) override;
    void InitialUpdate() override;
    void BringToFront() override;
    // How the game records' commands reach the window.
    QString AskImportPath() override;
    QString AskExportPath(const QString& proposal) override;
    void ShowRecordError(const QString& message) override;

private:
    bool Unregister(bool showMessage);
    void CreateDocumentFrameAndView();
    void ConnectCommands();

    SettingsStore store_;
    RecentFileList recentFiles_;
    SoundSetting sound_;
    int previewPages_ = 0;
    bool writeSettingsAtExit_ = true;
    int exitStatus_ = 1;

    std::unique_ptr<UserMessages> ownMessages_;
    UserMessages& messages_;
    std::unique_ptr<CueOutput> ownOutput_;
    CueOutput& output_;
    SoundCues cues_;
    DesktopHost host_;
    std::unique_ptr<CFlipstoneDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<RecordCommands> records_;
};

}  // namespace flipstone
