#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace flipstone::train {

// A position with the side to move's discs first, and what it is worth to that side in discs
// (kUnknown before it is labelled).
struct Sample {
    static constexpr std::int32_t kUnknown = -1000;
    std::uint64_t mover = 0;
    std::uint64_t other = 0;
    std::int32_t value = kUnknown;

    int Empties() const;
    bool operator<(const Sample& that) const;
    bool operator==(const Sample& that) const;
};

// Samples on disk: 20 bytes each (mover, other, value), little-endian.
std::vector<Sample> ReadSamples(const std::string& path);
void WriteSamples(const std::string& path, const std::vector<Sample>& samples);

// The text form the benchmark keeps: the board as the tool writes it (X the side to move), then
// the value.
std::vector<Sample> ReadSampleText(const std::string& path);
void WriteSampleText(const std::string& path, const std::vector<Sample>& samples,
                     const std::string& header);

}  // namespace flipstone::train
