#pragma once
// Longest-window scan: one two-pointer sweep over `sequence` with the window held in the
// program-wide WindowQueue finds the leftmost longest window within a tolerance in O(n).

#include <cstdint>

#include "window/min_max_stack.hpp"

namespace stable_stretch {

// The sequence under question, filled by the batch driver; entries 0 to
// sequenceLength - 1 are in use, and sequenceLength never exceeds kStackCapacity.
extern std::int32_t sequence[kStackCapacity];
extern std::int32_t sequenceLength;

// 1-based first and last position of a window; (1, 0) names no window.
struct AnswerPair {
    std::int32_t first;
    std::int32_t last;
    friend bool operator==(const AnswerPair&, const AnswerPair&) = default;
};

// The leftmost longest window of the sequence whose largest minus smallest value is at
// most `tolerance`; (1, 0) when the sequence is empty or no single value qualifies.
AnswerPair scanLongestWindow(std::int32_t tolerance);

}  // namespace stable_stretch
