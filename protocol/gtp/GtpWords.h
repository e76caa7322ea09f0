#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flipstone::protocol {

// GTP's words, for both ends: the commands, and the forms of a command line and of a reply.
namespace gtp {
inline constexpr std::string_view kProtocolVersion = "protocol_version";
inline constexpr std::string_view kName = "name";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kKnownCommand = "known_command";
inline constexpr std::string_view kListCommands = "list_commands";
inline constexpr std::string_view kListGames = "list_games";
inline constexpr std::string_view kSetGame = "set_game";
inline constexpr std::string_view kBoardSize = "boardsize";
inline constexpr std::string_view kClearBoard = "clear_board";
inline constexpr std::string_view kKomi = "komi";
inline constexpr std::string_view kPlay = "play";
inline constexpr std::string_view kGenmove = "genmove";
inline constexpr std::string_view kUndo = "undo";
inline constexpr std::string_view kFinalScore = "final_score";
inline constexpr std::string_view kShowBoard = "showboard";
inline constexpr std::string_view kTimeSettings = "time_settings";
inline constexpr std::string_view kTimeLeft = "time_left";
inline constexpr std::string_view kQuit = "quit";
inline constexpr std::string_view kPass = "pass";
}  // namespace gtp

// One reply as the other end reads it: whether it began with '=', and its text without the id.
struct GtpReply {
    bool success = false;
    std::string text;
};

// A command line as GTP reads it: control characters dropped, tabs as spaces, the comment after
// '#' cut off, then split into words at white space.
std::vector<std::string> GtpLineWords(std::string_view line);
// A reply as GTP writes it: '=' or '?', the id, the text after a space, and the blank line that
// ends it.
std::string FormatGtpReply(bool success, const std::string& id, const std::string& text);
// The first line of a reply, its text without the id and the white space around it: nothing
// unless it begins with '=' or '?'.
std::optional<GtpReply> ReadGtpReplyLine(std::string_view line);

}  // namespace flipstone::protocol
