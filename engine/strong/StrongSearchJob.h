#pragma once

#include <cstdint>

namespace flipstone::strong {

// One search handed out by its owner (StrongSearch::NewJob): a StrongSearch::Stop() given after
// the job was made stops it, even one given before its search begins.
struct StrongSearchJob {
    std::uint64_t number = 0;
};

}  // namespace flipstone::strong
