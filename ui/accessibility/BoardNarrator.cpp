#include "ui/accessibility/BoardNarrator.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/Board.h"
#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "ui/accessibility/Announcer.h"

namespace flipstone {

namespace {

QString ColourName(std::uint8_t colour) {
    if (colour == kBlack) {
        //: The side that plays black, as the subject of "%1 %2, turns %3" and "%1 passes".
        return QCoreApplication::translate("BoardNarrator", "Black");
    }
    //: The side that plays white, as the subject of "%1 %2, turns %3" and "%1 passes".
    return QCoreApplication::translate("BoardNarrator", "White");
}

QString NameOf(Square square) {
    return QString::fromStdString(BoardText::SquareName(square));
}

// "d4", "d4 and e4", "c4, d4 and e4".
QString ListOf(const QStringList& names) {
    if (names.size() < 2) {
        return names.join(QString());
    }
    //: The end of a list of squares: %1 is "c4" or "c4, d4", %2 the last square.
    return QCoreApplication::translate("BoardNarrator", "%1 and %2")
        .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

}  // namespace

BoardNarrator::BoardNarrator(const CFlipstoneDoc& document, Announcer& announcer)
    : document_(document),
      announcer_(announcer),
      passCount_(document.passCount),
      levelIndex_(document.levelIndex),
      game_(document.History().GamesStarted()) {}

QString BoardNarrator::MoveSentence(std::uint8_t colour, const FlipList& move) {
    QStringList turned;
    for (int k = 1; k <= move.count; ++k) {
        turned << NameOf(Square{move.columns[k], move.rows[k]});
    }
    //: Spoken when a move is shown: %1 is the side (Black or White), %2 the square played,
    //: %3 the discs it turned ("d4", or "c4 and d4"). "Black d3, turns d4".
    return QCoreApplication::translate("BoardNarrator", "%1 %2, turns %3")
        .arg(ColourName(colour), NameOf(Square{move.columns[0], move.rows[0]}), ListOf(turned));
}

void BoardNarrator::MoveShown() {
    announcer_.Announce(
        MoveSentence(document_.SideColour(document_.sideToMove), document_.flipList));
}

void BoardNarrator::HintShown() {
    if (hintTold_) {
        return;
    }
    hintTold_ = true;
    const Square hint = document_.hintSquare;
    announcer_.Announce(
        Board::OnBoard(hint.column, hint.row)
            ? QCoreApplication::translate("BoardNarrator", "Hint: %1").arg(NameOf(hint))
            : QCoreApplication::translate("BoardNarrator", "No hint"));
}

void BoardNarrator::StepTaken() {
    if (document_.hintState != kHintReady) {
        hintTold_ = false;
    }
    if (document_.levelIndex != levelIndex_) {
        levelIndex_ = document_.levelIndex;
        TellLevel();
    }
    if (document_.History().GamesStarted() != game_) {
        // A game set up or read may begin with a pass, news even where the last game had one.
        game_ = document_.History().GamesStarted();
        passCount_ = 0;
    }
    if (document_.passCount != passCount_) {
        TellPassOrEnd();
        passCount_ = document_.passCount;
    }
}

void BoardNarrator::MovesTakenBack(const std::vector<Square>& moves) {
    TellJump(QT_TRANSLATE_NOOP("BoardNarrator", "Took back %1"), moves);
}

void BoardNarrator::MovesReplayed(const std::vector<Square>& moves) {
    TellJump(QT_TRANSLATE_NOOP("BoardNarrator", "Played again %1"), moves);
}

void BoardNarrator::TellJump(const char* sentence, const std::vector<Square>& moves) {
    passCount_ = document_.passCount;
    levelIndex_ = document_.levelIndex;
    hintTold_ = false;
    if (moves.empty()) {
        return;
    }
    QStringList names;
    for (const Square move : moves) {
        names << NameOf(move);
    }
    announcer_.Announce(QCoreApplication::translate("BoardNarrator", sentence).arg(ListOf(names)));
}

void BoardNarrator::TellLevel() {
    if (levelIndex_ == kStrongestLevel) {
        //: Said when the player chooses the strongest player as the computer's level.
        announcer_.Announce(QCoreApplication::translate("BoardNarrator", "Strongest"));
        return;
    }
    //: Said when the player chooses a level; %1 is 1 to 4.
    announcer_.Announce(
        QCoreApplication::translate("BoardNarrator", "Level %1").arg(levelIndex_ + 1));
}

// A pass that the other side answers with a move is told; the second of two passes in a row is
// the end of the game one step later, which is told instead.
void BoardNarrator::TellPassOrEnd() {
    if (document_.passCount == 1) {
        const std::int32_t passer = document_.sideToMove == kHumanSide ? kComputerSide : kHumanSide;
        //: Spoken when a side has no move and the turn goes to the other: %1 is Black or White.
        announcer_.Announce(QCoreApplication::translate("BoardNarrator", "%1 passes")
                                .arg(ColourName(document_.SideColour(passer))));
    } else if (document_.IsGameOver()) {
        const Board& board = document_.board;
        announcer_.Announce(
            //: Spoken at the end of the game: the number of black and of white discs.
            QCoreApplication::translate("BoardNarrator", "Game over. Black %1, white %2")
                .arg(board.CountBlack())
                .arg(board.CountWhite()));
    }
}

}  // namespace flipstone
