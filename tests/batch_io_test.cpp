// End to end: the built program on a given "e.in", checked byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "support/sandbox.hpp"

namespace stable_stretch::testing {
namespace {

constexpr const char* kExampleAnswer = "2 3\n2 5\n";

struct FormatCase {
    const char* name;
    std::string input;
    std::string output;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class InputFormatTest : public ::testing::TestWithParam<FormatCase> {};

// Whatever the input holds, a run that can read and write its files succeeds silently.
TEST_P(InputFormatTest, WritesExactlyTheExpectedLines) {
    const FormatCase& c = GetParam();
    Sandbox sandbox;
    sandbox.writeFile("e.in", c.input);
    const RunResult result = sandbox.run();
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(result.standardOutput, "");
    EXPECT_EQ(sandbox.readFile("e.out"), c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputFormatTest,
    ::testing::Values(
        FormatCase{"Example", "5\n1 3 2 5 4\n2\n1 3\n", kExampleAnswer},
        FormatCase{"OnePerLine", "5\n1\n3\n2\n5\n4\n2\n1\n3\n", kExampleAnswer},
        FormatCase{"OneLineNoNewline", "5 1 3 2 5 4 2 1 3", kExampleAnswer},
        FormatCase{"Tabs", "5\t1\t3\t2\t5\t4\t2\t1\t3\t", kExampleAnswer},
        FormatCase{"CrLf", "5\r\n1 3 2 5 4\r\n2\r\n1 3\r\n", kExampleAnswer},
        FormatCase{"TrailingTextIgnored", "5 1 3 2 5 4 2 1 3 trailing text 9 9", kExampleAnswer},
        FormatCase{"PlusAndLeadingZeros", "+5 +1 003 2 05 +4 +002 01 0003", kExampleAnswer},
        FormatCase{"LeadingZeroIsNotOctal", "2 010 1 2 8 9", "1 1\n1 2\n"},
        FormatCase{"EmptySequenceStillReadsTolerances", "0 2 7 8", "1 0\n1 0\n"},
        FormatCase{"NegativeLengthReadsNoValue", "-3 2 1 3", "1 0\n1 0\n"},
        FormatCase{"ZeroQueries", "3 1 2 3 0 5 5", ""},
        FormatCase{"NegativeQueries", "3 1 2 3 -2 5", ""}, FormatCase{"EmptyFile", "", ""},
        FormatCase{"BlankFile", " \n\t\r\n  ", ""}, FormatCase{"EndsAfterLength", "5", ""},
        FormatCase{"EndsAmongValues", "5 1 2", ""},
        FormatCase{"EndsAfterQueryCount", "4 1 2 3 4 2", "1 1\n1 1\n"},
        FormatCase{"EndsAfterOneTolerance", "4 1 2 3 4 3 1", "1 2\n1 2\n1 2\n"},
        FormatCase{"LetterReusesTheLastTolerance", "5 1 2 3 4 5 6 0 1 2 3 x 0",
                   "1 1\n1 2\n1 3\n1 4\n1 4\n1 4\n"},
        // A lone sign is taken and fails; the blank after it stays, so the next read goes on.
        FormatCase{"SignWithoutDigit", "3 1 2 3 2 - 5", "1 1\n1 3\n"},
        FormatCase{"NegativeTolerances", "3 1 2 3 3 -1 -2000000001 -2147483648", "1 0\n1 0\n1 0\n"},
        // Outside 32 bits any answer will do; the run must still finish cleanly.
        FormatCase{"NumberBeyond32Bits", "2 99999999999 5 1 2147483647", "1 2\n"}),
    [](const ::testing::TestParamInfo<FormatCase>& caseInfo) {
        return std::string(caseInfo.param.name);
    });

TEST(BatchIoTest, ReplacesAnExistingAnswerFile) {
    Sandbox sandbox;
    sandbox.writeFile("e.in", "5 1 3 2 5 4 2 1 3");
    sandbox.writeFile("e.out", std::string(10000, 'x'));
    const RunResult result = sandbox.run();
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(sandbox.readFile("e.out"), kExampleAnswer);
}

TEST(BatchIoTest, ReadsAFullCapacitySequence) {
    // Ascending values: only the last query's answer needs the very last value.
    std::string input = "600010\n";
    for (int i = 0; i < 600010; ++i) {
        input += std::to_string(i) + (i % 20 == 19 ? "\n" : " ");
    }
    input += "4\n0 9 600008 600009\n";
    Sandbox sandbox;
    sandbox.writeFile("e.in", input);
    const RunResult result = sandbox.run();
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(sandbox.readFile("e.out"), "1 1\n1 10\n1 600009\n1 600010\n");
}

struct FailureCase {
    const char* name;
    void (*setUp)(const Sandbox&);
    std::string standardError;
    bool leavesEmptyAnswerFile = true;  // false where "e.out" cannot be a plain file
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

// A failed run says why on standard error, exits with 1, and leaves no answer line behind.
TEST_P(FailureTest, ReportsTheReasonAndExitsWithOne) {
    const FailureCase& c = GetParam();
    Sandbox sandbox;
    c.setUp(sandbox);
    const RunResult result = sandbox.run();
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, c.standardError);
    EXPECT_EQ(result.standardOutput, "");
    if (c.leavesEmptyAnswerFile) {
        EXPECT_EQ(sandbox.readFile("e.out"), "");
    }
}

std::string manyQueries(int count) {
    std::string input = "3 1 2 3 " + std::to_string(count);
    for (int i = 0; i < count; ++i) {
        input += " 1";
    }
    return input;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailureTest,
    ::testing::Values(
        FailureCase{"MissingInput", [](const Sandbox&) {},
                    "stable_stretch: e.in: No such file or directory\n"},
        FailureCase{"MissingInputEmptiesAStaleAnswerFile",
                    [](const Sandbox& s) { s.writeFile("e.out", "2 3\n"); },
                    "stable_stretch: e.in: No such file or directory\n"},
        FailureCase{
            "InputIsADirectory",
            [](const Sandbox& s) { std::filesystem::create_directory(s.workDir() / "e.in"); },
            "stable_stretch: e.in: Is a directory\n"},
        FailureCase{"OutputIsADirectory",
                    [](const Sandbox& s) {
                        s.writeFile("e.in", "5 1 3 2 5 4 2 1 3");
                        std::filesystem::create_directory(s.workDir() / "e.out");
                    },
                    "stable_stretch: e.out: Is a directory\n", false},
        FailureCase{
            "NeitherFileUsable",
            [](const Sandbox& s) { std::filesystem::create_directory(s.workDir() / "e.out"); },
            "stable_stretch: e.in: No such file or directory\n"
            "stable_stretch: e.out: Is a directory\n",
            false},
        FailureCase{"DiskFullAtTheEnd",
                    [](const Sandbox& s) {
                        s.writeFile("e.in", "5 1 3 2 5 4 2 1 3");
                        std::filesystem::create_symlink("/dev/full", s.workDir() / "e.out");
                    },
                    "stable_stretch: e.out: No space left on device\n", false},
        FailureCase{"DiskFullMidway",
                    [](const Sandbox& s) {
                        s.writeFile("e.in", manyQueries(20000));
                        std::filesystem::create_symlink("/dev/full", s.workDir() / "e.out");
                    },
                    "stable_stretch: e.out: No space left on device\n", false},
        FailureCase{"SequenceLongerThanTheTables",
                    [](const Sandbox& s) { s.writeFile("e.in", "600011 1 2 3 1 0"); },
                    "stable_stretch: e.in: sequence length 600011 exceeds the limit of 600010\n"},
        FailureCase{"HugeSequenceLength",
                    [](const Sandbox& s) { s.writeFile("e.in", "2147483647 1 1 0"); },
                    "stable_stretch: e.in: sequence length 2147483647 exceeds the limit of "
                    "600010\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& caseInfo) {
        return std::string(caseInfo.param.name);
    });

}  // namespace
}  // namespace stable_stretch::testing
