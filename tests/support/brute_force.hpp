#pragma once
// The answer by definition: every window is tried, ranges in 64 bits, O(n^2).

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

#include "window/window_scan.hpp"

namespace stable_stretch {

// Lets test failures show a pair as (first, last).
inline void PrintTo(const AnswerPair& pair, std::ostream* os) {
    *os << "(" << pair.first << ", " << pair.last << ")";
}

namespace testing {

inline AnswerPair bruteForceLongestWindow(const std::vector<std::int32_t>& values,
                                          std::int64_t tolerance) {
    AnswerPair best{1, 0};
    std::size_t bestLength = 0;
    for (std::size_t first = 0; first < values.size(); ++first) {
        std::int64_t largest = values[first];
        std::int64_t smallest = values[first];
        for (std::size_t last = first; last < values.size(); ++last) {
            largest = std::max<std::int64_t>(largest, values[last]);
            smallest = std::min<std::int64_t>(smallest, values[last]);
            if (largest - smallest > tolerance) {
                break;
            }
            if (last - first + 1 > bestLength) {
                bestLength = last - first + 1;
                best = {static_cast<std::int32_t>(first + 1), static_cast<std::int32_t>(last + 1)};
            }
        }
    }
    return best;
}

// Loads `values` into the program-wide sequence the scan reads.
inline void loadSequence(const std::vector<std::int32_t>& values) {
    std::copy(values.begin(), values.end(), sequence);
    sequenceLength = static_cast<std::int32_t>(values.size());
}

}  // namespace testing
}  // namespace stable_stretch
