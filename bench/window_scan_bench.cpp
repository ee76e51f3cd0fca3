// Sweep time per value of the window scan against its alternatives, and whole-program runs.
// Prints Google Benchmark's table, then the medians side by side with the ratios.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "input_shapes.hpp"
#include "monotonic_deque_scan.hpp"
#include "support/brute_force.hpp"
#include "support/reference_scan.hpp"
#include "support/sandbox.hpp"
#include "window/window_scan.hpp"

namespace {

using stable_stretch::AnswerPair;
using stable_stretch::kStackCapacity;
using stable_stretch::tools::Shape;

enum Variant : int { kScan, kReference, kDeque };
constexpr const char* kVariantNames[] = {"scan", "reference", "deque"};

AnswerPair sweep(Variant variant, std::int32_t tolerance) {
    switch (variant) {
        case kScan:
            return stable_stretch::scanLongestWindow(tolerance);
        case kReference:
            return stable_stretch::testing::referenceScanLongestWindow(tolerance);
        case kDeque:
            return stable_stretch::bench::monotonicDequeScan(
                stable_stretch::sequence, stable_stretch::sequenceLength, tolerance);
    }
    return {1, 0};
}

// Arguments: variant, shape, sequence length, tolerance.
void BM_Sweep(benchmark::State& state) {
    const auto variant = static_cast<Variant>(state.range(0));
    const auto shape = static_cast<Shape>(state.range(1));
    const auto length = static_cast<std::size_t>(state.range(2));
    const auto tolerance = static_cast<std::int32_t>(state.range(3));
    stable_stretch::testing::loadSequence(stable_stretch::tools::makeSequence(shape, length, 1));
    AnswerPair answer{1, 0};
    for (auto _ : state) {
        answer = sweep(variant, tolerance);
        benchmark::DoNotOptimize(answer);
    }
    // The label names the row of the summary; the best window's length tells the regime.
    state.SetLabel(std::string(kVariantNames[variant]) + "/" +
                   std::string(stable_stretch::tools::shapeName(shape)) + "/" +
                   std::to_string(length) + "/" + std::to_string(tolerance) + "/" +
                   std::to_string(answer.last - answer.first + 1));
    state.counters["s_per_value"] = benchmark::Counter(
        static_cast<double>(length),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void sweepArguments(benchmark::internal::Benchmark* b) {
    const auto add = [b](Shape shape, int length, std::int32_t tolerance) {
        for (int variant = kScan; variant <= kDeque; ++variant) {
            b->Args({variant, static_cast<int>(shape), length, tolerance});
        }
    };
    for (const Shape shape : stable_stretch::tools::kAllShapes) {
        add(shape, kStackCapacity, stable_stretch::tools::typicalTolerance(shape));
    }
    // The walk once more with short windows, and both main shapes at smaller lengths.
    add(Shape::walk, kStackCapacity, 1000);
    for (const int length : {10000, 100000}) {
        add(Shape::uniform, length, stable_stretch::tools::typicalTolerance(Shape::uniform));
        add(Shape::walk, length, stable_stretch::tools::typicalTolerance(Shape::walk));
    }
}
BENCHMARK(BM_Sweep)->Apply(sweepArguments)->Unit(benchmark::kMicrosecond);

// A full-capacity "e.in" of the given shape and tolerances in a fresh directory.
void writeFullInput(const stable_stretch::testing::Sandbox& sandbox, Shape shape,
                    const std::vector<std::int32_t>& tolerances) {
    sandbox.writeFile(
        "e.in", stable_stretch::tools::formatInput(
                    stable_stretch::tools::makeSequence(shape, kStackCapacity, 1), tolerances));
}

// The whole program on a full-capacity uniform "e.in" with the given number of queries;
// with 0 queries it measures reading the input alone.
void BM_WholeRun(benchmark::State& state) {
    const auto queries = static_cast<std::size_t>(state.range(0));
    const stable_stretch::testing::Sandbox sandbox;
    writeFullInput(sandbox, Shape::uniform,
                   std::vector<std::int32_t>(
                       queries, stable_stretch::tools::typicalTolerance(Shape::uniform)));
    for (auto _ : state) {
        if (sandbox.run().exitStatus != 0) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    state.SetLabel("whole/" + std::to_string(queries));
}
BENCHMARK(BM_WholeRun)
    ->Arg(0)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Peak resident memory of a full-capacity run whose huge tolerance fills both stacks of
// the queue. GNU time measures it: a child forked from this large process would count
// this process's pages too.
void BM_PeakMemory(benchmark::State& state) {
    constexpr const char* kTime = "/usr/bin/time";
    const stable_stretch::testing::Sandbox sandbox;
    writeFullInput(sandbox, Shape::constant, {0, 2147483647});
    const std::string report = (sandbox.workDir().parent_path() / "peak").string();
    double peakMiB = 0;
    for (auto _ : state) {
        if (access(kTime, X_OK) != 0) {
            state.SkipWithError("needs GNU time at /usr/bin/time (Debian package time)");
            break;
        }
        if (sandbox.run({kTime, "-f", "%M", "-o", report}).exitStatus != 0) {
            state.SkipWithError("the program failed");
            break;
        }
        std::ifstream in(report);
        double kib = 0;
        in >> kib;
        peakMiB = std::max(peakMiB, kib / 1024.0);
    }
    state.counters["peak_MiB"] = peakMiB;
}
BENCHMARK(BM_PeakMemory)
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Keeps the median of every benchmark, to print the side-by-side table at the end.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto peak = run.counters.find("peak_MiB");
            if (peak != run.counters.end() && !run.error_occurred) {
                peakMiB_ = peak->second.value;
            }
            if (run.aggregate_name == "median" && !run.report_label.empty()) {
                const auto found = run.counters.find("s_per_value");
                if (found != run.counters.end()) {
                    nsPerValue_[run.report_label] = found->second.value;
                } else {
                    milliseconds_[run.report_label] = run.GetAdjustedRealTime();
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSummary() const {
        std::printf("\nmedians, ns per value (a = scan, b = reference, c = deque)\n");
        std::printf("%-9s %7s %10s %7s %7s %7s %7s %6s %6s\n", "shape", "length", "tolerance",
                    "window", "a", "b", "c", "b/a", "c/a");
        for (const auto& [label, a] : nsPerValue_) {
            const auto slash = label.find('/');
            if (label.substr(0, slash) != "scan") {
                continue;
            }
            const std::string rest = label.substr(slash + 1);
            const auto b = nsPerValue_.find("reference/" + rest);
            const auto c = nsPerValue_.find("deque/" + rest);
            if (b == nsPerValue_.end() || c == nsPerValue_.end()) {
                continue;
            }
            std::vector<std::string> fields;  // shape, length, tolerance, window
            std::istringstream split(rest);
            for (std::string field; std::getline(split, field, '/');) {
                fields.push_back(field);
            }
            std::printf("%-9s %7s %10s %7s %7.2f %7.2f %7.2f %6.2f %6.2f\n", fields[0].c_str(),
                        fields[1].c_str(), fields[2].c_str(), fields[3].c_str(), a * 1e9,
                        b->second * 1e9, c->second * 1e9, b->second / a, c->second / a);
        }
        if (!milliseconds_.empty()) {
            std::printf("\nwhole program, full-capacity uniform input, median ms\n");
            for (const auto& [label, ms] : milliseconds_) {
                std::printf("%-16s %9.1f\n", label.c_str(), ms);
            }
        }
        if (peakMiB_ > 0) {
            std::printf("\npeak resident memory of a full-capacity run: %.1f MiB\n", peakMiB_);
        }
    }

private:
    std::map<std::string, double> nsPerValue_;
    std::map<std::string, double> milliseconds_;
    double peakMiB_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    // Medians of interleaved repetitions unless the command line says otherwise.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=7";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1,
                     {repetitions.data(), interleave.data(), aggregates.data()});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
