#include "protocol/gtp/GtpWords.h"

#include <sstream>

#include "protocol/Vocabulary.h"

namespace flipstone::protocol {

std::vector<std::string> GtpLineWords(std::string_view line) {
    std::string clean;
    for (const char c : line.substr(0, line.find('#'))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            clean += ' ';
        } else if (byte >= 0x20 && byte != 0x7F) {
            clean += c;
        }
    }
    std::istringstream stream(clean);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string FormatGtpReply(bool success, const std::string& id, const std::string& text) {
    return (success ? "=" : "?") + id + (text.empty() ? "" : " " + text) + "\n\n";
}

std::optional<GtpReply> ReadGtpReplyLine(std::string_view line) {
    if (line.empty() || (line[0] != '=' && line[0] != '?')) {
        return std::nullopt;
    }
    std::size_t at = 1;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
        ++at;
    }
    return GtpReply{line[0] == '=', std::string(Trimmed(line.substr(at)))};
}

}  // namespace flipstone::protocol
