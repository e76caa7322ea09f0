#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flipstone::protocol {

// NBoard's words (protocol version 2), for both ends: what NBoard sends the engine, what the
// engine sends back, and the form of a move with its value and time.
namespace nboard {
inline constexpr int kVersion = 2;
// From NBoard to the engine.
inline constexpr std::string_view kNBoard = "nboard";
inline constexpr std::string_view kSet = "set";
inline constexpr std::string_view kDepth = "depth";
inline constexpr std::string_view kGame = "game";
inline constexpr std::string_view kContempt = "contempt";
inline constexpr std::string_view kMove = "move";
inline constexpr std::string_view kHint = "hint";
inline constexpr std::string_view kGo = "go";
inline constexpr std::string_view kPing = "ping";
inline constexpr std::string_view kLearn = "learn";
inline constexpr std::string_view kAnalyze = "analyze";
inline constexpr std::string_view kQuit = "quit";
// From the engine to NBoard.
inline constexpr std::string_view kMyName = "myname";
inline constexpr std::string_view kPong = "pong";
inline constexpr std::string_view kLearned = "learned";
inline constexpr std::string_view kStatus = "status";
inline constexpr std::string_view kSearch = "search";
inline constexpr std::string_view kAnalysis = "analysis";
inline constexpr std::string_view kNodeStats = "nodestats";
inline constexpr std::string_view kChosenMove = "===";
// In moves and in search lines.
inline constexpr std::string_view kPass = "PA";
inline constexpr std::string_view kExactDepth = "100%";
}  // namespace nboard

// A move as `move` and `===` write it: "F5/1.50/0.31", the value left empty when unknown.
std::string NBoardMoveText(std::string_view move, std::optional<double> value, double seconds);
// The move of such a text: "F5" of "F5/1.50/0.31", without white space.
std::string_view NBoardMoveOf(std::string_view text);
// A number as NBoard reads it: two decimals.
std::string NBoardNumber(double value);

}  // namespace flipstone::protocol
