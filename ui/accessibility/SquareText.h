#pragma once

#include <QString>

#include "engine/Square.h"

namespace flipstone {

class CFlipstoneView;

// What a screen reader says of a square, in the order a player needs it: the square as the tool
// writes it, its content, then what the board marks there ("d3, empty, legal move").
QString SquareText(const CFlipstoneView& view, Square square);

}  // namespace flipstone
