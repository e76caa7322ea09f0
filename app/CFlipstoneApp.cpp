#include "app/CFlipstoneApp.h"

#include <QFile>
#include <QMessageBox>

#include "app/CommandLine.h"
#include "app/CuePlayer.h"
#include "app/FileCommands.h"
#include "app/GameFileDialogs.h"
#include "app/SoundCues.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

namespace flipstone {

namespace {

void ShowInformation(const QString& text) {
    QMessageBox::information(nullptr, QString::fromLatin1(kPlainTitle), text);
}

}  // namespace

CFlipstoneApp::CFlipstoneApp(QString configFolder, CueOutput* output)
    : store_(std::move(configFolder)), output_(output) {
    if (output_ == nullptr) {
        ownOutput_ = std::make_unique<CuePlayer>();
        output_ = ownOutput_.get();
    }
    cues_ = std::make_unique<SoundCues>([this] { return sound_.IsOn(); }, *output_);
}

// The frame goes before the document it shows; the cue player before the application object.
CFlipstoneApp::~CFlipstoneApp() {
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
    if (showMessage || !removal.removed) {
        if (showMessage_) {
            showMessage_(removal.message);
        } else {
            ShowInformation(removal.message);
        }
    }
    return false;
}

void CFlipstoneApp::CreateDocumentFrameAndView() {
    document_ = std::make_unique<CFlipstoneDoc>(host_, SearchMode::kThreaded);
    frame_ = std::make_unique<CMainFrame>(*document_);
    host_.Attach(*frame_);
    host_.SetCueSink([this](unsigned id) { cues_->Play(id); });
    files_ = std::make_unique<FileCommands>(*document_, recentFiles_, *this);
    ConnectCommands();
}

void CFlipstoneApp::ConnectCommands() {
    frame_->SetCommandHandler(ID_SET_SOUND, [this] { OnSetSound(); });
    frame_->SetUpdateHandler(ID_SET_SOUND,
                             [this](CommandUpdate& update) { OnUpdateSetSound(update); });
    frame_->SetCommandHandler(ID_FILE_NEW, [this] { files_->OnFileNew(); });
    frame_->SetCommandHandler(ID_FILE_OPEN, [this] { files_->OnFileOpen(); });
    frame_->SetCommandHandler(ID_FILE_SAVE, [this] { files_->OnFileSave(); });
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

QString CFlipstoneApp::AskOpenPath() {
    return GameFileDialogs::AskOpenPath(frame_.get());
}

QString CFlipstoneApp::AskSavePath(const QString& proposedName) {
    return GameFileDialogs::AskSavePath(frame_.get(), proposedName);
}

void CFlipstoneApp::ShowFileError(const QString& message) {
    showMessage_(message);
}

// A whole repaint without the view's update rules, which would move a move that is still
// being shown on by one disc that the turn cycle has not set yet.
void CFlipstoneApp::InitialUpdate() {
    frame_->View().update();
}

void CFlipstoneApp::BringToFront() {
    frame_->raise();
    frame_->activateWindow();
}

}  // namespace flipstone
