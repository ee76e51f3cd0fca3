#pragma once
// The step-by-step sweep (extend, measure, select, drop) on the program-wide queue: the
// reference the fast scan must match, and a baseline for the benchmark. O(n) per query.

#include <cstdint>

#include "window/window_queue.hpp"
#include "window/window_scan.hpp"

namespace stable_stretch::testing {

inline AnswerPair referenceScanLongestWindow(std::int32_t tolerance) {
    const std::int32_t length = sequenceLength;
    if (length <= 0 || tolerance < kEmptyRange) {
        return {1, 0};
    }
    WindowQueue& window = windowQueue;
    std::int32_t right = 0;  // next position to enter the window
    std::int32_t bestFirst = 0;
    std::int32_t bestEnd = 0;
    for (std::int32_t left = 0; left < length; ++left) {
        // Extend while within tolerance; the empty window always is.
        while (window.windowRange() <= tolerance && right < length) {
            window.pushBack(sequence[right]);
            ++right;
        }
        // If the last value broke the tolerance, the window without it is the longest.
        const std::int32_t candidateEnd = window.windowRange() <= tolerance ? right : right - 1;
        if (candidateEnd - left > bestEnd - bestFirst) {
            bestFirst = left;
            bestEnd = candidateEnd;
        }
        window.popFront();
    }
    return {bestFirst + 1, bestEnd};
}

}  // namespace stable_stretch::testing
