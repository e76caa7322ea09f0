#include "engine/strong/PatternSymmetry.h"

#include <vector>

namespace flipstone::strong {

namespace {

// Where each of the pattern's digits goes (digit k to digit permutation[k]).
std::vector<int> PermutationOf(int pattern) {
    std::vector<int> permutation;
    if (pattern == 0) {
        permutation = {7, 6, 5, 4, 3, 2, 1, 0, 9, 8};
    } else if (pattern == 1) {
        for (int k = 0; k < 9; ++k) {
            permutation.push_back((k % 3) * 3 + k / 3);
        }
    } else if (pattern >= 3) {
        const int digits = pattern <= 6 ? 8 : 14 - pattern;
        for (int k = 0; k < digits; ++k) {
            permutation.push_back(digits - 1 - k);
        }
    }
    return permutation;
}

}  // namespace

int SymmetricIndex(int pattern, int index) {
    const std::vector<int> permutation = PermutationOf(pattern);
    int digits[10] = {};
    for (std::size_t k = 0; k < permutation.size(); ++k) {
        digits[permutation[k]] = index % 3;
        index /= 3;
    }
    if (permutation.empty()) {
        return index;
    }
    int result = 0;
    for (int k = static_cast<int>(permutation.size()) - 1; k >= 0; --k) {
        result = result * 3 + digits[k];
    }
    return result;
}

}  // namespace flipstone::strong
