#pragma once

#include <QString>
#include <string>

namespace flipstone {

// A text of the game (a title, the game-over message) in the user's language.
QString GameText(const std::string& english);
// The name of a well-known opening (see OpeningNames) in the user's language.
QString OpeningName(const char* english);

}  // namespace flipstone
