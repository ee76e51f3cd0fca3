#include "window/window_scan.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include "bench/monotonic_deque_scan.hpp"
#include "support/brute_force.hpp"
#include "support/reference_scan.hpp"
#include "window/window_queue.hpp"

namespace stable_stretch {
namespace {

using testing::bruteForceLongestWindow;
using testing::loadSequence;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kBandLow = -1000000000;
constexpr std::int32_t kBandHigh = 1000000000;

void expectQueueEmpty() {
    EXPECT_EQ(windowQueue.front.top, 0);
    EXPECT_EQ(windowQueue.back.top, 0);
}

struct ScanCase {
    const char* name;
    std::vector<std::int32_t> values;
    std::vector<std::int32_t> tolerances;  // asked in this order on one sequence
    std::vector<AnswerPair> answers;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanCaseTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanCaseTest, AnswersEveryTolerance) {
    const ScanCase& c = GetParam();
    loadSequence(c.values);
    ASSERT_EQ(c.tolerances.size(), c.answers.size());
    for (std::size_t i = 0; i < c.tolerances.size(); ++i) {
        EXPECT_EQ(scanLongestWindow(c.tolerances[i]), c.answers[i])
            << "tolerance " << c.tolerances[i];
        expectQueueEmpty();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ScanCaseTest,
    ::testing::Values(
        ScanCase{"Example", {1, 3, 2, 5, 4}, {1, 3}, {{2, 3}, {2, 5}}},
        ScanCase{"NegativeToleranceAdmitsNothing",
                 {1, 3, 2},
                 {-1, -2, -2000000000},
                 {{1, 0}, {1, 0}, {1, 0}}},
        // Below the empty window's range: (1, 0) too, and later queries are unaffected.
        ScanCase{"FarBelowTheEmptyRange",
                 {1, 2, 3, 4},
                 {-2000000001, 0, 1, 5, -1, 3, kIntMin},
                 {{1, 0}, {1, 1}, {1, 2}, {1, 4}, {1, 0}, {1, 4}, {1, 0}}},
        ScanCase{"AllEqual", {7, 7, 7, 7}, {0, 1, kIntMax}, {{1, 4}, {1, 4}, {1, 4}}},
        ScanCase{"LeftmostOfEqualLengths", {1, 1, 5, 5}, {0}, {{1, 2}}},
        ScanCase{"LeftmostSingleValue", {1, 5, 1, 5}, {0}, {{1, 1}}},
        ScanCase{"OnlyStrictlyLongerReplaces", {1, 9, 2, 2, 2}, {0}, {{3, 5}}},
        ScanCase{"SingleValue",
                 {42},
                 {0, 5, -1, -2000000001, kIntMin},
                 {{1, 1}, {1, 1}, {1, 0}, {1, 0}, {1, 0}}},
        ScanCase{"WindowReachesTheEnd", {10, 1, 2, 3}, {2}, {{2, 4}}},
        ScanCase{"RunAtTheEnd", {5, 1, 9, 9, 9, 9}, {0}, {{3, 6}}},
        ScanCase{"BandEdges",
                 {kBandLow, kBandHigh, 0, kBandLow},
                 {2000000000, 1999999999, kIntMax},
                 {{1, 4}, {2, 3}, {1, 4}}},
        ScanCase{
            "ManyQueries",
            {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5},
            {0, 1, 2, 3, 4, 5, 6, 7, 8, 100},
            {{1, 1}, {8, 9}, {9, 11}, {1, 4}, {1, 5}, {1, 5}, {1, 5}, {5, 11}, {1, 11}, {1, 11}}}),
    [](const ::testing::TestParamInfo<ScanCase>& caseInfo) {
        return std::string(caseInfo.param.name);
    });

TEST(ScanTest, EmptyOrNegativeLengthAnswersOneZero) {
    for (const std::int32_t length : {0, -1, kIntMin}) {
        sequenceLength = length;
        EXPECT_EQ(scanLongestWindow(5), (AnswerPair{1, 0}));
        expectQueueEmpty();
    }
}

// Many small sequences against the answer by definition, for the scan and for the sweeps
// it is measured against. Values come from a small range (so ties and equal runs are
// common) or from the band edges; tolerances cover every class.
TEST(ScanTest, AllSweepsMatchBruteForceOnRandomSequences) {
    const std::uint32_t seed = 20261211;
    std::mt19937 random(seed);
    const std::vector<std::int32_t> edges{kBandLow, kBandLow + 1,  -1,       0,
                                          1,        kBandHigh - 1, kBandHigh};
    for (int round = 0; round < 4000; ++round) {
        const std::size_t length = 1 + random() % 40;
        const bool bandEdges = round % 4 == 3;
        const std::int32_t spread = 1 + static_cast<std::int32_t>(random() % 8);
        std::vector<std::int32_t> values(length);
        for (std::int32_t& v : values) {
            v = bandEdges
                    ? edges[random() % edges.size()]
                    : static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(spread));
        }
        loadSequence(values);
        const std::vector<std::int32_t> tolerances{kIntMin,
                                                   -2000000001,
                                                   -2000000000,
                                                   -1,
                                                   0,
                                                   1,
                                                   static_cast<std::int32_t>(random() % 10),
                                                   1999999999,
                                                   2000000000,
                                                   kIntMax};
        for (const std::int32_t t : tolerances) {
            const AnswerPair expected = bruteForceLongestWindow(values, t);
            ASSERT_EQ(scanLongestWindow(t), expected)
                << "seed " << seed << " round " << round << " tolerance " << t;
            ASSERT_EQ(windowQueue.front.top, 0);
            ASSERT_EQ(windowQueue.back.top, 0);
            ASSERT_EQ(testing::referenceScanLongestWindow(t), expected)
                << "seed " << seed << " round " << round << " tolerance " << t;
            ASSERT_EQ(windowQueue.front.top, 0);
            ASSERT_EQ(windowQueue.back.top, 0);
            ASSERT_EQ(bench::monotonicDequeScan(sequence, sequenceLength, t), expected)
                << "seed " << seed << " round " << round << " tolerance " << t;
        }
    }
}

// Outside the band any answer will do, but the scan must stay inside the sequence and
// hand back an empty queue.
TEST(ScanTest, OutOfBandValuesStayWellDefined) {
    loadSequence({kIntMax, kIntMin, kIntMax, 0, kIntMin, kIntMin});
    for (const std::int32_t t : {kIntMin, -1, 0, 1, kIntMax}) {
        const AnswerPair answer = scanLongestWindow(t);
        EXPECT_GE(answer.first, 1);
        EXPECT_LE(answer.last, 6);
        EXPECT_LE(answer.first, answer.last + 1);
        expectQueueEmpty();
    }
}

}  // namespace
}  // namespace stable_stretch
