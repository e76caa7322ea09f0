#include "protocol/InputLines.h"

namespace flipstone::protocol {

std::optional<InputLine> LineAssembler::Take(char byte) {
    if (byte == '\n') {
        return Complete();
    }
    started_ = true;
    if (tooLong_) {
        return std::nullopt;
    }
    if (text_.size() == kLongestLine) {
        tooLong_ = true;
        std::string().swap(text_);
        return std::nullopt;
    }
    text_ += byte;
    return std::nullopt;
}

std::optional<InputLine> LineAssembler::Finish() {
    if (!started_) {
        return std::nullopt;
    }
    return Complete();
}

InputLine LineAssembler::Complete() {
    InputLine line{std::move(text_), tooLong_};
    if (!line.text.empty() && line.text.back() == '\r') {
        line.text.pop_back();
    }
    text_.clear();
    tooLong_ = false;
    started_ = false;
    return line;
}

std::optional<InputLine> ReadInputLine(std::istream& in) {
    std::streambuf* buffer = in.rdbuf();
    LineAssembler assembler;
    for (;;) {
        const auto byte = buffer->sbumpc();
        if (byte == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return assembler.Finish();
        }
        if (auto line = assembler.Take(std::char_traits<char>::to_char_type(byte))) {
            return line;
        }
    }
}

}  // namespace flipstone::protocol
