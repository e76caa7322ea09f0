#include "game/GameHistory.h"

#include <algorithm>

namespace flipstone {

GameHistory::GameHistory() {
    Start(Position::Start().GetBoard(), kBlack);
}

void GameHistory::Start(const Board& start, std::uint8_t firstToMove) {
    GameRecord record;
    record.start = start;
    record.firstToMove = firstToMove;
    Start(record);
}

void GameHistory::Start(const GameRecord& record) {
    record_ = record;
    redo_.clear();
    ++gamesStarted_;
}

void GameHistory::Add(Square move) {
    record_.moves.push_back(move);
    redo_.clear();
}

std::vector<std::uint8_t> GameHistory::Movers() const {
    std::vector<std::uint8_t> movers;
    Position position = record_.StartPosition();
    for (const Square move : record_.moves) {
        movers.push_back(position.ToMove());
        position.Play(move);
    }
    return movers;
}

bool GameHistory::CanUndo(std::uint8_t human) const {
    const std::vector<std::uint8_t> movers = Movers();
    return std::find(movers.begin(), movers.end(), human) != movers.end();
}

std::vector<Square> GameHistory::Undo(std::uint8_t human) {
    const std::vector<std::uint8_t> movers = Movers();
    const auto last = std::find(movers.rbegin(), movers.rend(), human);
    if (last == movers.rend()) {
        return {};
    }
    const auto from = record_.moves.begin() + (movers.rend() - last - 1);
    std::vector<Square> takenBack(from, record_.moves.end());
    record_.moves.erase(from, record_.moves.end());
    redo_.insert(redo_.end(), takenBack.rbegin(), takenBack.rend());
    return takenBack;
}

std::vector<Square> GameHistory::Redo(std::uint8_t human) {
    std::vector<Square> replayed;
    Position position = Current();
    while ((replayed.empty() || position.ToMove() != human) && RedoNext(position, replayed)) {
    }
    return replayed;
}

std::vector<Square> GameHistory::UndoMove() {
    const std::vector<std::uint8_t> movers = Movers();
    return movers.empty() ? std::vector<Square>{} : Undo(movers.back());
}

std::vector<Square> GameHistory::RedoMove() {
    std::vector<Square> replayed;
    Position position = Current();
    RedoNext(position, replayed);
    return replayed;
}

bool GameHistory::RedoNext(Position& position, std::vector<Square>& replayed) {
    if (redo_.empty()) {
        return false;
    }
    const Square move = redo_.back();
    if (!position.Play(move)) {
        redo_.clear();
        return false;
    }
    redo_.pop_back();
    record_.moves.push_back(move);
    replayed.push_back(move);
    return true;
}

}  // namespace flipstone
