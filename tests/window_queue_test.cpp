#include "window/window_queue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <vector>

namespace stable_stretch {
namespace {

// Far too large for the test's own stack frame.
WindowQueue queue;

std::vector<std::int32_t> levels(const std::int32_t* table, std::int32_t count) {
    return {table, table + count};
}

class WindowQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        queue.front.top = 0;
        queue.back.top = 0;
    }
};

TEST_F(WindowQueueTest, EmptyQueueHasTheEmptyRangeAndIgnoresPopFront) {
    EXPECT_EQ(queue.windowRange(), -2000000000);
    queue.popFront();
    EXPECT_EQ(queue.front.top, 0);
    EXPECT_EQ(queue.back.top, 0);
    EXPECT_EQ(queue.windowRange(), -2000000000);
}

// Follows one queue through pushes, a move from back to front, and pops down to empty.
TEST_F(WindowQueueTest, MovesBackIntoFrontOnlyWhenFrontRunsEmpty) {
    for (const std::int32_t value : {3, 1, 4}) {
        queue.pushBack(value);
    }
    EXPECT_EQ(queue.windowRange(), 3);
    EXPECT_EQ(queue.front.top, 0);
    EXPECT_EQ(levels(queue.back.values, queue.back.top), (std::vector<std::int32_t>{3, 1, 4}));

    queue.popFront();  // moves 4, 1, 3 into front, then pops the 3
    EXPECT_EQ(queue.back.top, 0);
    EXPECT_EQ(levels(queue.front.values, 3), (std::vector<std::int32_t>{4, 1, 3}));
    EXPECT_EQ(levels(queue.front.maxima, 3), (std::vector<std::int32_t>{4, 4, 4}));
    EXPECT_EQ(levels(queue.front.minima, 3), (std::vector<std::int32_t>{4, 1, 1}));
    EXPECT_EQ(queue.front.top, 2);
    EXPECT_EQ(queue.windowRange(), 3);  // window 1, 4

    queue.pushBack(9);
    EXPECT_EQ(queue.windowRange(), 8);  // window 1, 4, 9
    queue.popFront();                   // no move: front still holds 4
    EXPECT_EQ(queue.windowRange(), 5);  // window 4, 9
    queue.popFront();
    EXPECT_EQ(queue.front.top, 0);
    EXPECT_EQ(queue.windowRange(), 0);  // window 9, with front empty
    queue.popFront();
    EXPECT_EQ(queue.front.top, 0);
    EXPECT_EQ(queue.back.top, 0);
    EXPECT_EQ(queue.windowRange(), -2000000000);
}

TEST_F(WindowQueueTest, RangeReachesTheBandEdgesWithoutOverflow) {
    queue.pushBack(1000000000);
    EXPECT_EQ(queue.windowRange(), 0);
    queue.pushBack(-1000000000);
    EXPECT_EQ(queue.windowRange(), 2000000000);
    queue.popFront();  // split across the stacks: front empty after the move and pop
    EXPECT_EQ(queue.windowRange(), 0);
}

TEST_F(WindowQueueTest, OutOfBandValuesWrapInsteadOfOverflowing) {
    queue.pushBack(2147483647);
    queue.pushBack(-2147483647 - 1);
    EXPECT_EQ(queue.windowRange(), -1);  // 2^32 - 1 wrapped to 32 bits
}

// Random pushes and pops against a deque whose range is recomputed each time, with values
// drawn so that ties and the band edges are common.
TEST_F(WindowQueueTest, MatchesADequeUnderRandomOperations) {
    std::mt19937 random(7);
    const std::vector<std::int32_t> pool{-1000000000, -2, -1, 0, 0, 1, 2, 1000000000};
    std::deque<std::int32_t> model;
    for (int step = 0; step < 200000; ++step) {
        if (model.size() < 300 && random() % 2 == 0) {
            const std::int32_t v = pool[random() % pool.size()];
            queue.pushBack(v);
            model.push_back(v);
        } else {
            queue.popFront();
            if (!model.empty()) {
                model.pop_front();
            }
        }
        ASSERT_EQ(queue.front.top + queue.back.top, static_cast<std::int32_t>(model.size()));
        if (model.empty()) {
            ASSERT_EQ(queue.windowRange(), kEmptyRange);
        } else {
            const auto [low, high] = std::minmax_element(model.begin(), model.end());
            ASSERT_EQ(queue.windowRange(), *high - *low);
        }
    }
}

}  // namespace
}  // namespace stable_stretch
