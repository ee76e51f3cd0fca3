#include "driver/batch_io.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "window/min_max_stack.hpp"
#include "window/window_scan.hpp"

namespace stable_stretch {

std::int32_t queryCount;
std::int32_t tolerance;

namespace {

static_assert(sizeof(int) == sizeof(std::int32_t), "\"%d\" must read and write 32-bit values");

constexpr const char* kProgramName = "stable_stretch";
constexpr const char* kInputName = "e.in";
constexpr const char* kOutputName = "e.out";

// Why a run failed; all zero and false for a run that succeeded.
struct Failures {
    int inputError = 0;    // errno of a failed read of the input
    int outputError = 0;   // errno of a failed write of the output
    bool refused = false;  // the sequence is longer than the tables hold
};

void reportFileError(const char* fileName, int error) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgramName, fileName, std::strerror(error));
}

// Reads one number as "%d" does. A number that is missing or malformed leaves the target
// as it was: that is the input format, not a failure. Returns false only when the device
// itself fails, with the reason in `error`.
bool readNumber(std::int32_t& target, int& error) {
    if (std::scanf("%d", &target) == EOF && std::ferror(stdin) != 0) {
        error = errno;
        return false;
    }
    return true;
}

void answerQueries(Failures& failures) {
    if (!readNumber(sequenceLength, failures.inputError)) {
        return;
    }
    if (sequenceLength > kStackCapacity) {
        std::fprintf(stderr, "%s: %s: sequence length %d exceeds the limit of %d\n", kProgramName,
                     kInputName, sequenceLength, kStackCapacity);
        failures.refused = true;
        return;
    }
    for (std::int32_t i = 0; i < sequenceLength; ++i) {
        if (!readNumber(sequence[i], failures.inputError)) {
            return;
        }
    }
    if (!readNumber(queryCount, failures.inputError)) {
        return;
    }
    for (std::int32_t j = 0; j < queryCount; ++j) {
        if (!readNumber(tolerance, failures.inputError)) {
            return;
        }
        const AnswerPair answer =
            sequenceLength >= 1 ? scanLongestWindow(tolerance) : AnswerPair{1, 0};
        // Each line goes out before the next tolerance is read; once the output fails,
        // nothing later can reach it.
        if (std::printf("%d %d\n", answer.first, answer.last) < 0) {
            failures.outputError = errno;
            return;
        }
    }
}

}  // namespace

int runBatch() {
    const bool inputOpen = std::freopen(kInputName, "r", stdin) != nullptr;
    const int openInputError = errno;
    // The answer file is created or emptied whatever became of the input, so a stale one
    // never survives a failed run.
    const bool outputOpen = std::freopen(kOutputName, "w", stdout) != nullptr;
    const int openOutputError = errno;
    if (!inputOpen) {
        reportFileError(kInputName, openInputError);
    }
    if (!outputOpen) {
        reportFileError(kOutputName, openOutputError);
        return 1;
    }

    Failures failures;
    if (inputOpen) {
        answerQueries(failures);
    }
    // A full disk may show only when the last buffered lines are written out.
    if (std::fflush(stdout) != 0 && failures.outputError == 0) {
        failures.outputError = errno;
    }
    if (std::fclose(stdout) != 0 && failures.outputError == 0) {
        failures.outputError = errno;
    }
    if (failures.inputError != 0) {
        reportFileError(kInputName, failures.inputError);
    }
    if (failures.outputError != 0) {
        reportFileError(kOutputName, failures.outputError);
    }
    const bool failed =
        !inputOpen || failures.refused || failures.inputError != 0 || failures.outputError != 0;
    return failed ? 1 : 0;
}

}  // namespace stable_stretch
