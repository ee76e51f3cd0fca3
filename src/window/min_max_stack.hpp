#pragma once
// Min-max stack: every level keeps the largest and smallest value at or below it,
// so push, pop, maxValue and minValue all take O(1) time in fixed static tables.

#include <cassert>
#include <cstdint>

namespace stable_stretch {

inline constexpr std::int32_t kStackCapacity = 600010;

// What an empty stack reports. Inside the value band [kEmptyMax, kEmptyMin] they never
// decide a maximum or minimum, which spares the window queue any emptiness tests.
inline constexpr std::int32_t kEmptyMax = -1000000000;
inline constexpr std::int32_t kEmptyMin = 1000000000;

struct MinMaxStack {
    std::int32_t values[kStackCapacity];
    std::int32_t maxima[kStackCapacity];
    std::int32_t minima[kStackCapacity];
    std::int32_t top = 0;  // values held; also the next free level

    // Precondition: top < kStackCapacity.
    void push(std::int32_t value) {
        assert(top >= 0 && top < kStackCapacity);
        values[top] = value;
        if (top == 0) {
            maxima[top] = value;
            minima[top] = value;
        } else {
            maxima[top] = value >= maxima[top - 1] ? value : maxima[top - 1];
            minima[top] = value <= minima[top - 1] ? value : minima[top - 1];
        }
        ++top;
    }

    // Removes and returns the top value. The queue never pops an empty stack; should
    // anything else do so, it gets 0 and the stack stays empty rather than going below 0.
    std::int32_t pop() {
        if (top <= 0) {
            return 0;
        }
        --top;
        return values[top];
    }

    [[nodiscard]] std::int32_t maxValue() const { return top > 0 ? maxima[top - 1] : kEmptyMax; }
    [[nodiscard]] std::int32_t minValue() const { return top > 0 ? minima[top - 1] : kEmptyMin; }
};

}  // namespace stable_stretch
