#include "app/records/RecordCommands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <string>

#include "app/records/RecordCommandHost.h"
#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "game/records/RecordReader.h"
#include "game/records/RecordWriter.h"

namespace flipstone {

namespace {

QString Native(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString ProblemText(const RecordError& error, const QString& source) {
    if (error.problem == RecordProblem::kIllegalMove) {
        //: %1 is where the game came from ("The clipboard" or a file's path), %2 the move's
        //: number and %3 its square.
        return QCoreApplication::translate(
                   "RecordCommands", "%1: move %2, %3, is not legal there. Nothing was changed.")
            .arg(source)
            .arg(error.moveNumber)
            .arg(QString::fromStdString(BoardText::SquareName(error.square)));
    }
    //: %1 is where the text came from: "The clipboard" or a file's path.
    return QCoreApplication::translate(
               "RecordCommands",
               "%1 holds no game: neither moves such as f5d6c3, nor a GGF game, nor a board of 64 "
               "squares with the side to move. Nothing was changed.")
        .arg(source);
}

}  // namespace

RecordCommands::RecordCommands(CFlipstoneDoc& document, RecordCommandHost& host)
    : document_(document), host_(host) {}

QString RecordCommands::ClipboardForm(const GameRecord& record) {
    const std::string text =
        record.StartsAtTheStandardPosition() ? WriteTranscript(record) : WriteGgf(record);
    return QString::fromStdString(text);
}

void RecordCommands::OnCopyMoves() {
    QGuiApplication::clipboard()->setText(ClipboardForm(document_.History().Record()));
}

void RecordCommands::OnPasteMoves() {
    //: Where a pasted game came from, at the start of a message about it.
    LoadText(QGuiApplication::clipboard()->text(),
             QCoreApplication::translate("RecordCommands", "The clipboard"));
}

bool RecordCommands::LoadText(const QString& text, const QString& source) {
    const RecordReading reading = ReadGameRecord(text.toStdString());
    if (!reading.record) {
        host_.ShowRecordError(ProblemText(reading.error, source));
        return false;
    }
    document_.LoadRecord(*reading.record);
    return true;
}

void RecordCommands::OnImportGame() {
    const QString path = host_.AskImportPath();
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> text = ReadFile(path)) {
        LoadText(*text, Native(path));
    }
}

std::optional<QString> RecordCommands::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        host_.ShowRecordError(QCoreApplication::translate("RecordCommands", "Cannot open %1: %2")
                                  .arg(Native(path), file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kLongestRecordText + 1);
    if (bytes.size() > static_cast<qsizetype>(kLongestRecordText)) {
        host_.ShowRecordError(
            QCoreApplication::translate("RecordCommands",
                                        "%1 is too long to be a game record. Nothing was changed.")
                .arg(Native(path)));
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
}

void RecordCommands::OnExportGame() {
    const QString path = host_.AskExportPath(QStringLiteral("game.ggf"));
    if (path.isEmpty()) {
        return;
    }
    const GameRecord& record = document_.History().Record();
    // A transcript holds no starting board: a game set up elsewhere keeps it as GGF there too.
    const bool transcript = path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
    const std::string text =
        (transcript ? ClipboardForm(record).toStdString() : WriteGgf(record)) + "\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        host_.ShowRecordError(QCoreApplication::translate("RecordCommands", "Cannot write %1: %2")
                                  .arg(Native(path), file.errorString()));
    }
}

}  // namespace flipstone
