#include "window/min_max_stack.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace stable_stretch {
namespace {

// Far too large for the test's own stack frame.
MinMaxStack stack;

class MinMaxStackTest : public ::testing::Test {
protected:
    void SetUp() override { stack.top = 0; }
};

TEST_F(MinMaxStackTest, EmptyStackReportsTheSentinels) {
    EXPECT_EQ(stack.maxValue(), -1000000000);
    EXPECT_EQ(stack.minValue(), 1000000000);
}

TEST_F(MinMaxStackTest, EveryLevelKeepsTheExtremaAtOrBelowIt) {
    for (const std::int32_t value : {3, 1, 4}) {
        stack.push(value);
    }
    ASSERT_EQ(stack.top, 3);
    EXPECT_EQ(std::vector<std::int32_t>(stack.maxima, stack.maxima + 3),
              (std::vector<std::int32_t>{3, 3, 4}));
    EXPECT_EQ(std::vector<std::int32_t>(stack.minima, stack.minima + 3),
              (std::vector<std::int32_t>{3, 1, 1}));
    EXPECT_EQ(stack.pop(), 4);
    EXPECT_EQ(stack.maxValue(), 3);
    EXPECT_EQ(stack.minValue(), 1);
    EXPECT_EQ(stack.pop(), 1);
    EXPECT_EQ(stack.pop(), 3);
    EXPECT_EQ(stack.maxValue(), kEmptyMax);
    EXPECT_EQ(stack.minValue(), kEmptyMin);
}

TEST_F(MinMaxStackTest, PopOfAnEmptyStackLeavesItEmpty) {
    EXPECT_EQ(stack.pop(), 0);
    EXPECT_EQ(stack.top, 0);
    stack.push(7);
    EXPECT_EQ(stack.maxValue(), 7);
    EXPECT_EQ(stack.minValue(), 7);
}

TEST_F(MinMaxStackTest, StaleLevelsAboveTopAreNeverRead) {
    stack.push(100);
    stack.push(-100);
    stack.pop();
    stack.pop();
    stack.push(5);
    EXPECT_EQ(stack.maxValue(), 5);
    EXPECT_EQ(stack.minValue(), 5);
}

TEST_F(MinMaxStackTest, HoldsAFullCapacityOfBandEdges) {
    for (std::int32_t i = 0; i < kStackCapacity; ++i) {
        stack.push(i % 2 == 0 ? kEmptyMin : kEmptyMax);
    }
    EXPECT_EQ(stack.top, kStackCapacity);
    EXPECT_EQ(stack.maxValue(), kEmptyMin);
    EXPECT_EQ(stack.minValue(), kEmptyMax);
}

// Random pushes and pops against a plain vector whose extrema are recomputed each time.
TEST_F(MinMaxStackTest, MatchesAVectorUnderRandomOperations) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::int32_t> value(-5, 5);
    std::vector<std::int32_t> model;
    for (int step = 0; step < 200000; ++step) {
        if (model.empty() || (model.size() < 200 && random() % 2 == 0)) {
            const std::int32_t v = random() % 50 == 0 ? kEmptyMin : value(random);
            stack.push(v);
            model.push_back(v);
        } else {
            ASSERT_EQ(stack.pop(), model.back());
            model.pop_back();
        }
        ASSERT_EQ(stack.top, static_cast<std::int32_t>(model.size()));
        if (model.empty()) {
            ASSERT_EQ(stack.maxValue(), kEmptyMax);
            ASSERT_EQ(stack.minValue(), kEmptyMin);
        } else {
            ASSERT_EQ(stack.maxValue(), *std::max_element(model.begin(), model.end()));
            ASSERT_EQ(stack.minValue(), *std::min_element(model.begin(), model.end()));
        }
    }
}

}  // namespace
}  // namespace stable_stretch
