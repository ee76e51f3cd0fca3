#include "window/window_scan.hpp"

#include <cassert>

#include "window/window_queue.hpp"

namespace stable_stretch {

std::int32_t sequence[kStackCapacity];
std::int32_t sequenceLength;

AnswerPair scanLongestWindow(std::int32_t tolerance) {
    const std::int32_t length = sequenceLength;
    assert(length <= kStackCapacity);
    // Below the empty window's range not even the empty window passes, and the sweep
    // would name no real window; such a tolerance admits nothing, like any negative one.
    if (length <= 0 || tolerance < kEmptyRange) {
        return {1, 0};
    }
    WindowQueue& window = windowQueue;
    std::int32_t right = 0;  // next position to enter the window
    std::int32_t bestFirst = 0;
    std::int32_t bestEnd = 0;
    for (std::int32_t left = 0; left < length; ++left) {
        // Extend while the window is within tolerance; the empty window always is, so the
        // window ends up holding at least the value at `left`.
        while (window.windowRange() <= tolerance && right < length) {
            window.pushBack(sequence[right]);
            ++right;
        }
        // Every window inside one within tolerance is within tolerance too, so if the last
        // value broke the tolerance, the window without it is the longest from `left`.
        const std::int32_t candidateEnd = window.windowRange() <= tolerance ? right : right - 1;
        // Only a strictly longer window wins, which keeps the leftmost of equal lengths.
        if (candidateEnd - left > bestEnd - bestFirst) {
            bestFirst = left;
            bestEnd = candidateEnd;
        }
        window.popFront();
    }
    return {bestFirst + 1, bestEnd};
}

}  // namespace stable_stretch
