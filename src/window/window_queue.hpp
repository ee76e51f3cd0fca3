#pragma once
// Two-stack FIFO queue of min-max stacks: values enter `back`, leave from `front`, and
// `front` is refilled from `back` only when empty; O(1) amortised per value, O(1) range.

#include <cassert>
#include <cstdint>

#include "window/min_max_stack.hpp"

namespace stable_stretch {

// The range of an empty window: it passes every tolerance of this value or more.
inline constexpr std::int32_t kEmptyRange = kEmptyMax - kEmptyMin;

struct WindowQueue {
    MinMaxStack front;  // top level holds the oldest value
    MinMaxStack back;   // top level holds the newest value

    void pushBack(std::int32_t value) { back.push(value); }

    // Removes the oldest value; does nothing on an empty queue.
    void popFront() {
        if (front.top <= 0) [[unlikely]] {
            moveBackToFront();
        }
        if (front.top > 0) {
            front.pop();
        }
    }

    // Largest minus smallest value; kEmptyRange for an empty queue. The subtraction wraps
    // in 32 bits, so values outside the band give a meaningless range but never overflow.
    [[nodiscard]] std::int32_t windowRange() const {
        const std::int32_t frontMax = front.maxValue();
        const std::int32_t backMax = back.maxValue();
        const std::int32_t frontMin = front.minValue();
        const std::int32_t backMin = back.minValue();
        const std::int32_t largest = frontMax >= backMax ? frontMax : backMax;
        const std::int32_t smallest = frontMin <= backMin ? frontMin : backMin;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(largest) -
                                         static_cast<std::uint32_t>(smallest));
    }

private:
    // Pops all of `back` onto `front`, which must be empty: the newest value lands on level
    // 0 and the oldest on top. Builds the same levels as popping and pushing one by one, but
    // carries the running extrema in registers instead of reading back each level just
    // written, which would chain every level to the store before it.
    void moveBackToFront() {
        assert(front.top == 0);
        const std::int32_t count = back.top;
        if (count == 0) {
            return;
        }
        std::int32_t largest = back.values[count - 1];
        std::int32_t smallest = largest;
        for (std::int32_t level = 0; level < count; ++level) {
            const std::int32_t value = back.values[count - 1 - level];
            largest = value >= largest ? value : largest;
            smallest = value <= smallest ? value : smallest;
            front.values[level] = value;
            front.maxima[level] = largest;
            front.minima[level] = smallest;
        }
        front.top = count;
        back.top = 0;
    }
};

// The one queue of the program, in static storage; the window scan is its only user and
// always hands it back empty.
extern WindowQueue windowQueue;

}  // namespace stable_stretch
