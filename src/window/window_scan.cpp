#include "window/window_scan.hpp"

#include <cassert>

#include "window/window_queue.hpp"

namespace stable_stretch {

std::int32_t sequence[kStackCapacity];
std::int32_t sequenceLength;

AnswerPair scanLongestWindow(std::int32_t tolerance) {
    const std::int32_t length = sequenceLength;
    assert(length <= kStackCapacity);
    // A single value has range 0, so a negative tolerance admits no window at all.
    if (length <= 0 || tolerance < 0) {
        return {1, 0};
    }
    // The window never shrinks below the best length found so far: shorter windows cannot
    // win. Each step enters the next value; a window then over the tolerance drops its
    // oldest value and slides on at the same length, while one within it is one longer
    // than any before, so it is the new best, and the leftmost of its length because it is
    // the first to reach that length. One push and at most one pop per value, and the only
    // data-dependent branch is the range test.
    WindowQueue& window = windowQueue;
    std::int32_t bestLength = 0;
    std::int32_t bestEnd = 0;
    for (std::int32_t right = 0; right < length; ++right) {
        window.pushBack(sequence[right]);
        if (window.windowRange() > tolerance) {
            window.popFront();
        } else {
            ++bestLength;
            bestEnd = right + 1;
        }
    }
    // The queue is handed back empty, as every scan finds it.
    for (std::int32_t i = 0; i < bestLength; ++i) {
        window.popFront();
    }
    return {bestEnd - bestLength + 1, bestEnd};
}

}  // namespace stable_stretch
