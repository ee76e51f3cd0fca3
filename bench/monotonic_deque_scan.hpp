#pragma once
// The textbook alternative: two monotonic deques of positions (window maximum and minimum
// candidates) and a left edge that advances while the window is over the tolerance. O(n).

#include <cstdint>
#include <deque>

#include "window/window_scan.hpp"

namespace stable_stretch::bench {

inline AnswerPair monotonicDequeScan(const std::int32_t* values, std::int32_t length,
                                     std::int32_t tolerance) {
    if (length <= 0 || tolerance < 0) {
        return {1, 0};
    }
    std::deque<std::int32_t> maxPositions;  // values decreasing from front to back
    std::deque<std::int32_t> minPositions;  // values increasing from front to back
    std::int32_t left = 0;
    std::int32_t bestFirst = 0;
    std::int32_t bestLength = 0;
    for (std::int32_t right = 0; right < length; ++right) {
        while (!maxPositions.empty() && values[maxPositions.back()] <= values[right]) {
            maxPositions.pop_back();
        }
        maxPositions.push_back(right);
        while (!minPositions.empty() && values[minPositions.back()] >= values[right]) {
            minPositions.pop_back();
        }
        minPositions.push_back(right);
        while (std::int64_t{values[maxPositions.front()]} - values[minPositions.front()] >
               tolerance) {
            ++left;
            if (maxPositions.front() < left) {
                maxPositions.pop_front();
            }
            if (minPositions.front() < left) {
                minPositions.pop_front();
            }
        }
        if (right - left + 1 > bestLength) {
            bestLength = right - left + 1;
            bestFirst = left;
        }
    }
    return {bestFirst + 1, bestFirst + bestLength};
}

}  // namespace stable_stretch::bench
