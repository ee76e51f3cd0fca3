// The program on generated "e.in" files, against an independent reading of the same bytes
// by the rules of "%d" and the answer by definition.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "support/brute_force.hpp"
#include "support/sandbox.hpp"

namespace stable_stretch::testing {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads numbers as "%d" does: white space skipped, an optional sign taken, then digits.
// A sign without a digit after it is taken and the read fails; the character that stops a
// read stays for the next one, so a letter stops every later read.
class NumberReader {
public:
    explicit NumberReader(std::string_view text) : text_(text) {}

    std::optional<std::int32_t> next() {
        while (at_ < text_.size() && isSpace(text_[at_])) {
            ++at_;
        }
        bool negative = false;
        if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
            negative = text_[at_] == '-';
            ++at_;
        }
        if (at_ >= text_.size() || !isDigit(text_[at_])) {
            return std::nullopt;
        }
        std::int64_t value = 0;  // the generated numbers all fit in 32 bits
        while (at_ < text_.size() && isDigit(text_[at_])) {
            value = value * 10 + (text_[at_] - '0');
            ++at_;
        }
        return static_cast<std::int32_t>(negative ? -value : value);
    }

    // A failed read leaves its target as it was.
    void readInto(std::int32_t& target) {
        if (const std::optional<std::int32_t> number = next()) {
            target = *number;
        }
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// What "e.out" must hold for `input`, by the reading rules and brute force.
std::string expectedOutput(std::string_view input) {
    NumberReader reader(input);
    std::int32_t length = 0;
    reader.readInto(length);
    std::vector<std::int32_t> values(length > 0 ? static_cast<std::size_t>(length) : 0, 0);
    for (std::int32_t& value : values) {
        reader.readInto(value);
    }
    std::int32_t queries = 0;
    reader.readInto(queries);
    std::int32_t tolerance = 0;
    std::string output;
    for (std::int32_t j = 0; j < queries; ++j) {
        reader.readInto(tolerance);
        const AnswerPair answer = bruteForceLongestWindow(values, tolerance);
        output += std::to_string(answer.first) + " " + std::to_string(answer.last) + "\n";
    }
    return output;
}

// Writes numbers with every kind of white space, "+" signs and leading zeros. Values stay
// small, so whichever number a shifted read takes as a count, the output stays small.
class InputWriter {
public:
    explicit InputWriter(std::mt19937& random) : random_(random) {}

    void number(std::int64_t value) {
        const bool negative = value < 0;
        std::string digits = std::to_string(negative ? -value : value);
        digits.insert(0, pick(4) == 0 ? pick(3) + 1 : 0, '0');
        if (negative) {
            text_ += '-';
        } else if (pick(4) == 0) {
            text_ += '+';
        }
        text_ += digits;
        static const std::string_view kSpaces[] = {" ",    "  ", "\t", "\n",
                                                   "\r\n", "\v", "\f", " \t\r\n"};
        text_ += kSpaces[pick(std::size(kSpaces))];
    }

    std::string& text() { return text_; }

private:
    std::size_t pick(std::size_t count) { return random_() % count; }

    std::mt19937& random_;
    std::string text_;
};

std::string generateInput(std::mt19937& random) {
    InputWriter writer(random);
    const std::int32_t length = static_cast<std::int32_t>(random() % 14) - 2;  // -2 to 11
    writer.number(length);
    for (std::int32_t i = 0; i < length; ++i) {
        writer.number(static_cast<std::int32_t>(random() % 9) - 4);
    }
    const std::int32_t queries = static_cast<std::int32_t>(random() % 9) - 1;  // -1 to 7
    writer.number(queries);
    static const std::int64_t kTolerances[] = {-2147483648LL, -2000000001, -1, 0, 1, 2, 3, 8,
                                               2147483647};
    for (std::int32_t j = 0; j < queries; ++j) {
        writer.number(kTolerances[random() % std::size(kTolerances)]);
    }
    const std::string& text = writer.text();
    const std::size_t at = random() % (text.size() + 1);
    const auto insertAt = [&text, at](std::string_view piece) {
        return text.substr(0, at) + std::string(piece) + text.substr(at);
    };
    switch (random() % 6) {
        case 0:
            return text;
        case 1:  // cut short, maybe inside a number
            return text.substr(0, at);
        case 2: {  // a stray character
            static const std::string_view kStray[] = {"x", ".", ",", "#", "e"};
            return insertAt(kStray[random() % std::size(kStray)]);
        }
        case 3:  // a lone sign, before a blank, a digit or another sign
            return insertAt(random() % 2 == 0 ? "-" : "+");
        case 4:
            return text + (random() % 2 == 0 ? "trailing text 99" : "\n7 7 7\n");
        default:
            return insertAt(random() % 2 == 0 ? "- " : "+-");
    }
}

std::string visible(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        switch (c) {
            case '\n':
                shown += "\\n";
                break;
            case '\r':
                shown += "\\r";
                break;
            case '\t':
                shown += "\\t";
                break;
            case '\v':
                shown += "\\v";
                break;
            case '\f':
                shown += "\\f";
                break;
            default:
                shown += c;
        }
    }
    return shown;
}

TEST(ReadingRulesTest, ProgramReadsGeneratedInputsLikeScanf) {
    const std::uint32_t seed = 1211;
    std::mt19937 random(seed);
    for (int round = 0; round < 300; ++round) {
        const std::string input = generateInput(random);
        Sandbox sandbox;
        sandbox.writeFile("e.in", input);
        const RunResult result = sandbox.run();
        ASSERT_EQ(result.exitStatus, 0) << "seed " << seed << " round " << round;
        ASSERT_EQ(result.standardError, "") << "seed " << seed << " round " << round;
        ASSERT_EQ(sandbox.readFile("e.out"), expectedOutput(input))
            << "seed " << seed << " round " << round << " e.in \"" << visible(input) << "\"";
    }
}

// The reader the test relies on, on the cases that decide between plausible readings.
TEST(ReadingRulesTest, ReferenceReaderFollowsScanf) {
    struct Case {
        std::string_view text;
        std::vector<std::optional<std::int32_t>> reads;
    };
    const Case cases[] = {
        {" +007\t-0 010", {7, 0, 10, std::nullopt}},
        {"- 5", {std::nullopt, 5}},
        {"+-3", {std::nullopt, -3}},
        {"-x 5", {std::nullopt, std::nullopt}},
        {"12x3", {12, std::nullopt, std::nullopt}},
        {"\v\f4", {4, std::nullopt}},
    };
    for (const Case& c : cases) {
        NumberReader reader(c.text);
        for (const std::optional<std::int32_t>& want : c.reads) {
            EXPECT_EQ(reader.next(), want) << visible(c.text);
        }
    }
}

}  // namespace
}  // namespace stable_stretch::testing
