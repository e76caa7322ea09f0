#include "app/CFlipstoneApp.h"

#include <QFile>

#include "app/CommandLine.h"
#include "app/dialogs/CAboutDialog.h"
#include "app/files/FileCommands.h"
#include "app/files/GameFileDialogs.h"
#include "app/messages/MessageBoxes.h"
#include "app/records/RecordCommands.h"
#include "app/records/RecordFileDialogs.h"
#include "app/sound/CuePlayer.h"
#include "game/CFlipstoneDoc.h"
#include "ui/ActionCommandUpdate.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace flipstone {

namespace {

// The collaborator given, or else the program's own, made into `own`.
template <typename Own, typename Interface>
Interface& GivenOrOwn(Interface* given, std::unique_ptr<Interface>& own) {
    if (given != nullptr) {
        return *given;
    }
    own = std::make_unique<Own>();
    return *own;
}

}  // namespace

CFlipstoneApp::CFlipstoneApp(QString configFolder, CueOutput* output, UserMessages* messages)
    : store_(std::move(configFolder)),
      messages_(GivenOrOwn<MessageBoxes>(messages, ownMessages_)),
      output_(GivenOrOwn<CuePlayer>(output, ownOutput_)),
      cues_(sound_, output_),
      host_(cues_) {}

// The frame goes before the document it shows; the cue player before the application object.
CFlipstoneApp::~CFlipstoneApp() {
    records_.reset();
    files_.reset();
    frame_.reset();
    document_.reset();
}

bool CFlipstoneApp::InitInstance(const std::vector<std::string>& arguments) {
    recentFiles_.ReadFrom(store_);
    previewPages_ = store_.ReadPreviewPages();

    const CommandLine commandLine = CommandLine::Parse(arguments);
    if (commandLine.Unregister()) {
        return Unregister(commandLine.ShowsUnregisterMessage());
    }
    CreateDocumentFrameAndView();
    if (commandLine.HasFilePath()) {
        // A file named at start-up is opened instead of a new game: the game is the one the
        // document was constructed with.
        if (!files_->OpenDocumentFile(QFile::decodeName(commandLine.FilePath().c_str()))) {
            return false;
        }
    } else {
        document_->NewGame();
    }
    frame_->show();
    frame_->repaint();
    sound_.ReadFrom(store_);
    return true;
}

bool CFlipstoneApp::Unregister(bool showMessage) {
    const SettingsStore::Removal removal = store_.RemoveProgramSettings();
    writeSettingsAtExit_ = false;
    exitStatus_ = removal.removed ? 0 : 1;
    if (showMessage || !removal.removed) {
        messages_.ShowInformation(removal.message);
    }
    return false;
}

void CFlipstoneApp::CreateDocumentFrameAndView() {
    document_ = std::make_unique<CFlipstoneDoc>(host_, SearchMode::kThreaded);
    frame_ = std::make_unique<CMainFrame>(*document_);
    host_.Attach(*frame_);
    files_ = std::make_unique<FileCommands>(*document_, recentFiles_, *this);
    records_ = std::make_unique<RecordCommands>(*document_, *this);
    ConnectCommands();
}

void CFlipstoneApp::ConnectCommands() {
    CMainFrame* frame = frame_.get();
    frame->On(ID_SET_SOUND, [this] { OnSetSound(); });
    frame->On(ID_APP_ABOUT, [this] { OnAbout(); });
    frame->On(ID_FILE_NEW, [this] { files_->OnFileNew(); });
    frame->On(ID_FILE_OPEN, [this] { files_->OnFileOpen(); });
    frame->On(ID_FILE_SAVE, [this] { files_->OnFileSave(); });
    frame->On(ID_EDIT_COPY, [this] { records_->OnCopyMoves(); });
    frame->On(ID_EDIT_PASTE, [this] { records_->OnPasteMoves(); });
    frame->On(ID_GAME_IMPORT, [this] { records_->OnImportGame(); });
    frame->On(ID_GAME_EXPORT, [this] { records_->OnExportGame(); });
    QObject::connect(frame, &CMainFrame::UpdatingCommandStates, frame, [this, frame] {
        ActionCommandUpdate sound(*frame->Action(ID_SET_SOUND));
        OnUpdateSetSound(sound);
    });
}

void CFlipstoneApp::ExitInstance() {
    if (!writeSettingsAtExit_) {
        return;
    }
    recentFiles_.WriteTo(store_);
    store_.WritePreviewPages(previewPages_);
}

void CFlipstoneApp::OnSetSound() {
    sound_.Toggle(store_);
}

void CFlipstoneApp::OnUpdateSetSound(CommandUpdate& update) const {
    update.SetCheck(sound_.IsOn() ? 1 : 0);
    update.Enable(true);
}

void CFlipstoneApp::OnAbout() {
    CAboutDialog dialog(frame_.get());
    dialog.exec();
}

QString CFlipstoneApp::AskOpenPath() {
    return GameFileDialogs::AskOpenPath(frame_.get());
}

QString CFlipstoneApp::AskSavePath(const QString& proposal) {
    return GameFileDialogs::AskSavePath(frame_.get(), proposal);
}

void CFlipstoneApp::ShowFileError(const QString& message) {
    messages_.ShowFileError(frame_->isVisible() ? frame_.get() : nullptr, message);
}

void CFlipstoneApp::InitialUpdate() {
    frame_->View().OnInitialUpdate();
}

void CFlipstoneApp::BringToFront() {
    frame_->raise();
    frame_->activateWindow();
}

QString CFlipstoneApp::AskImportPath() {
    return RecordFileDialogs::AskImportPath(frame_.get());
}

QString CFlipstoneApp::AskExportPath(const QString& proposal) {
    return RecordFileDialogs::AskExportPath(frame_.get(), proposal);
}

void CFlipstoneApp::ShowRecordError(const QString& message) {
    messages_.ShowFileError(frame_.get(), message);
}

}  // namespace flipstone
