// The scan against the step-by-step reference sweep on full-capacity sequences.

#include <gtest/gtest.h>

#include <string>

#include "input_shapes.hpp"
#include "support/brute_force.hpp"
#include "support/reference_scan.hpp"
#include "window/window_queue.hpp"
#include "window/window_scan.hpp"

namespace stable_stretch {
namespace {

using tools::Shape;

class FullCapacityTest : public ::testing::TestWithParam<Shape> {};

TEST_P(FullCapacityTest, ScanMatchesTheReferenceSweep) {
    const Shape shape = GetParam();
    const std::uint64_t seed = 42;
    testing::loadSequence(tools::makeSequence(shape, kStackCapacity, seed));
    for (const std::int32_t t : tools::makeTolerances(shape, 16, seed)) {
        const AnswerPair expected = testing::referenceScanLongestWindow(t);
        ASSERT_EQ(scanLongestWindow(t), expected)
            << tools::shapeName(shape) << " seed " << seed << " tolerance " << t;
        ASSERT_EQ(windowQueue.front.top, 0);
        ASSERT_EQ(windowQueue.back.top, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FullCapacityTest, ::testing::ValuesIn(tools::kAllShapes),
                         [](const ::testing::TestParamInfo<Shape>& caseInfo) {
                             return std::string(tools::shapeName(caseInfo.param));
                         });

}  // namespace
}  // namespace stable_stretch
