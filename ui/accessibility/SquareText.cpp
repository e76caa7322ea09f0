#include "ui/accessibility/SquareText.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/BoardText.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"

namespace flipstone {

namespace {

QString ContentWord(std::uint8_t code) {
    if (code == kBlack) {
        //: What a square holds, spoken after its name: "d4, black" (a black disc).
        return QCoreApplication::translate("SquareText", "black");
    }
    if (code == kWhite) {
        //: What a square holds, spoken after its name: "d4, white" (a white disc).
        return QCoreApplication::translate("SquareText", "white");
    }
    //: What a square holds, spoken after its name: "d3, empty".
    return QCoreApplication::translate("SquareText", "empty");
}

bool ShowsLegalMarker(const CFlipstoneView& view, Square square) {
    const FlipList& marked = view.MarkedSquares();
    if (view.Document().markerState != kMarkersShown) {
        return false;
    }
    for (int k = 0; k < marked.count; ++k) {
        if (marked.columns[k] == square.column && marked.rows[k] == square.row) {
            return true;
        }
    }
    return false;
}

bool ShowsLastMoveCross(const CFlipstoneDoc& document, Square square) {
    return document.flipList.columns[0] == square.column && document.flipList.rows[0] == square.row;
}

bool ShowsHint(const CFlipstoneDoc& document, Square square) {
    return document.hintState == kHintReady && document.hintSquare == square;
}

// "plus 4", "minus 2", "even".
QString MoveValueWords(int value) {
    if (value == 0) {
        //: What a screen reader says of a move that keeps the game even: its value is 0.
        return QCoreApplication::translate("SquareText", "even");
    }
    return value > 0 ? QCoreApplication::translate("SquareText", "plus %1").arg(value)
                     : QCoreApplication::translate("SquareText", "minus %1").arg(-value);
}

}  // namespace

QString SquareText(const CFlipstoneView& view, Square square) {
    const CFlipstoneDoc& document = view.Document();
    QStringList parts{QString::fromStdString(BoardText::SquareName(square)),
                      ContentWord(view.ShownBoard().At(square.column, square.row))};
    if (view.SettingUp()) {
        return parts.join(QStringLiteral(", "));
    }
    if (view.ShowsReviewPosition()) {
        if (view.ReviewPlayed() == square) {
            parts << QCoreApplication::translate("SquareText", "move played");
        }
        if (view.ReviewBest() == square) {
            parts << QCoreApplication::translate("SquareText", "best move");
        }
        return parts.join(QStringLiteral(", "));
    }
    if (ShowsLegalMarker(view, square)) {
        //: Spoken after a square's content: the player may play on this square.
        parts << QCoreApplication::translate("SquareText", "legal move");
        if (const std::optional<int> value = view.MoveValueAt(square)) {
            parts << MoveValueWords(*value);
        }
    }
    if (ShowsLastMoveCross(document, square)) {
        //: Spoken after a square's content: the last move was played on this square.
        parts << QCoreApplication::translate("SquareText", "last move");
    }
    if (ShowsHint(document, square)) {
        //: Spoken after a square's content: the hint suggests playing on this square.
        parts << QCoreApplication::translate("SquareText", "hint");
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace flipstone
