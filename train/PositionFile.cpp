#include "train/PositionFile.h"

#include <bit>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace flipstone::train {

int Sample::Empties() const {
    return 64 - std::popcount(mover | other);
}

bool Sample::operator<(const Sample& that) const {
    return std::tie(mover, other) < std::tie(that.mover, that.other);
}

bool Sample::operator==(const Sample& that) const {
    return mover == that.mover && other == that.other;
}

std::vector<Sample> ReadSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<Sample> samples;
    char record[20];
    while (in.read(record, sizeof(record))) {
        Sample sample;
        std::uint64_t words[2] = {0, 0};
        for (int w = 0; w < 2; ++w) {
            for (int i = 7; i >= 0; --i) {
                words[w] = (words[w] << 8) | static_cast<unsigned char>(record[w * 8 + i]);
            }
        }
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(record[16 + i]);
        }
        sample.mover = words[0];
        sample.other = words[1];
        sample.value = static_cast<std::int32_t>(value);
        samples.push_back(sample);
    }
    return samples;
}

void WriteSamples(const std::string& path, const std::vector<Sample>& samples) {
    std::ofstream out(path, std::ios::binary);
    for (const Sample& sample : samples) {
        char record[20];
        for (int i = 0; i < 8; ++i) {
            record[i] = static_cast<char>((sample.mover >> (8 * i)) & 0xFF);
            record[8 + i] = static_cast<char>((sample.other >> (8 * i)) & 0xFF);
        }
        const auto value = static_cast<std::uint32_t>(sample.value);
        for (int i = 0; i < 4; ++i) {
            record[16 + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        out.write(record, sizeof(record));
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<Sample> ReadSampleText(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<Sample> samples;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '%' || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string board;
        Sample sample;
        if (!(words >> board >> sample.value) || board.size() != 64) {
            throw std::runtime_error(path + ": not a position: " + line);
        }
        for (int bit = 0; bit < 64; ++bit) {
            if (board[bit] == 'X') {
                sample.mover |= std::uint64_t{1} << bit;
            } else if (board[bit] == 'O') {
                sample.other |= std::uint64_t{1} << bit;
            }
        }
        samples.push_back(sample);
    }
    return samples;
}

void WriteSampleText(const std::string& path, const std::vector<Sample>& samples,
                     const std::string& header) {
    std::ofstream out(path);
    out << header;
    for (const Sample& sample : samples) {
        std::string board(64, '-');
        for (int bit = 0; bit < 64; ++bit) {
            if (((sample.mover >> bit) & 1) != 0) {
                board[bit] = 'X';
            } else if (((sample.other >> bit) & 1) != 0) {
                board[bit] = 'O';
            }
        }
        out << board << " " << sample.value << "\n";
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace flipstone::train
