#pragma once

#include <QString>
#include <optional>

#include "game/records/GameRecord.h"

namespace flipstone {

class CFlipstoneDoc;
class RecordCommandHost;

// Copy Moves, Paste Moves, Import Game and Export Game: the game so far as players exchange it,
// and a game from a record made the game in progress. A text or file that is no game, or whose
// moves are not legal, changes nothing and a message says why.
class RecordCommands {
public:
    RecordCommands(CFlipstoneDoc& document, RecordCommandHost& host);

    void OnCopyMoves();
    void OnPasteMoves();
    void OnImportGame();
    void OnExportGame();

    // Makes the text's game the game in progress; false, and a message shown, when it is none.
    // `source` names where the text came from in that message.
    bool LoadText(const QString& text, const QString& source);
    // What Copy Moves puts on the clipboard: the transcript, or the GGF record of a game that did
    // not start from the usual four discs.
    static QString ClipboardForm(const GameRecord& record);

private:
    std::optional<QString> ReadFile(const QString& path);

    CFlipstoneDoc& document_;
    RecordCommandHost& host_;
};

}  // namespace flipstone
