#pragma once
// Sequences of the shapes the tests and the benchmark use, and the "e.in" text that asks
// queries about them. Deterministic for a given seed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stable_stretch::tools {

enum class Shape {
    uniform,   // independent values over the whole band
    walk,      // a random walk with steps from -1000 to 1000, kept inside the band
    sorted,    // uniform values in ascending order
    sawtooth,  // ramps of 1000 values climbing 1000000 a step
    constant,  // one value throughout
};

inline constexpr Shape kAllShapes[] = {Shape::uniform, Shape::walk, Shape::sorted, Shape::sawtooth,
                                       Shape::constant};

std::string_view shapeName(Shape shape);
std::optional<Shape> shapeFromName(std::string_view name);

std::vector<std::int32_t> makeSequence(Shape shape, std::size_t length, std::uint64_t seed);

// A tolerance that keeps the best window of `shape` well inside the sequence: neither a
// single value nor everything (but for the constant shape, where every window qualifies).
std::int32_t typicalTolerance(Shape shape);

// Tolerances of every class: below and at the empty window's range, -1, 0, small, typical
// for the shape, at the band's full range, the largest; then any from 0 to 2000000000.
std::vector<std::int32_t> makeTolerances(Shape shape, std::size_t count, std::uint64_t seed);

// The whole "e.in": length, values, query count, tolerances, 20 numbers a line.
std::string formatInput(const std::vector<std::int32_t>& values,
                        const std::vector<std::int32_t>& tolerances);

}  // namespace stable_stretch::tools
