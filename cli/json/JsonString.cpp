#include "cli/json/JsonString.h"

namespace flipstone::cli {

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            json += '?';
        } else {
            json += c;
        }
    }
    return json + "\"";
}

}  // namespace flipstone::cli
