#pragma once
// Two-stack FIFO queue of min-max stacks: values enter `back`, leave from `front`, and
// `front` is refilled from `back` only when empty; O(1) amortised per value, O(1) range.

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
        if (front.top == 0) {
            // Reversing `back` puts the oldest value on top and rebuilds the level extrema.
            while (back.top != 0) {
                front.push(back.pop());
            }
        }
        if (front.top != 0) {
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
};

// The one queue of the program, in static storage; the window scan is its only user and
// always hands it back empty.
extern WindowQueue windowQueue;

}  // namespace stable_stretch
