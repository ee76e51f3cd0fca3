#include "input_shapes.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <random>

namespace stable_stretch::tools {

namespace {

constexpr std::int32_t kBandLow = -1000000000;
constexpr std::int32_t kBandHigh = 1000000000;

constexpr std::array<std::string_view, 5> kShapeNames{"uniform", "walk", "sorted", "sawtooth",
                                                      "constant"};

}  // namespace

std::string_view shapeName(Shape shape) { return kShapeNames[static_cast<std::size_t>(shape)]; }

std::optional<Shape> shapeFromName(std::string_view name) {
    for (const Shape shape : kAllShapes) {
        if (shapeName(shape) == name) {
            return shape;
        }
    }
    return std::nullopt;
}

std::vector<std::int32_t> makeSequence(Shape shape, std::size_t length, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int32_t> band(kBandLow, kBandHigh);
    std::vector<std::int32_t> values(length);
    switch (shape) {
        case Shape::uniform:
            std::generate(values.begin(), values.end(), [&] { return band(random); });
            break;
        case Shape::walk: {
            std::uniform_int_distribution<std::int32_t> step(-1000, 1000);
            std::int32_t at = 0;
            for (std::int32_t& v : values) {
                at = std::clamp(at + step(random), kBandLow, kBandHigh);
                v = at;
            }
            break;
        }
        case Shape::sorted:
            std::generate(values.begin(), values.end(), [&] { return band(random); });
            std::sort(values.begin(), values.end());
            break;
        case Shape::sawtooth:
            for (std::size_t i = 0; i < length; ++i) {
                values[i] = kBandLow + static_cast<std::int32_t>(i % 1000) * 1000000;
            }
            break;
        case Shape::constant:
            std::fill(values.begin(), values.end(), band(random));
            break;
    }
    return values;
}

std::int32_t typicalTolerance(Shape shape) {
    switch (shape) {
        case Shape::uniform:
            return 1000000000;  // best windows of a dozen or so values
        case Shape::walk:
            return 100000;  // thousands of steps
        case Shape::sorted:
            return 1000000;  // a few hundred values at full length
        case Shape::sawtooth:
            return 500000000;  // half a ramp
        case Shape::constant:
            return 0;
    }
    return 0;
}

std::vector<std::int32_t> makeTolerances(Shape shape, std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed ^ 0x9e3779b97f4a7c15ULL);
    const std::array<std::int32_t, 10> fixed{std::numeric_limits<std::int32_t>::min(),
                                             -2000000001,
                                             -2000000000,
                                             -1,
                                             0,
                                             3,
                                             typicalTolerance(shape),
                                             1999999999,
                                             2000000000,
                                             std::numeric_limits<std::int32_t>::max()};
    std::uniform_int_distribution<std::int32_t> any(0, 2000000000);
    std::vector<std::int32_t> tolerances(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Every class early on, then mostly tolerances spread over the whole band.
        tolerances[i] =
            i < fixed.size() || random() % 4 == 0 ? fixed[i % fixed.size()] : any(random);
    }
    return tolerances;
}

std::string formatInput(const std::vector<std::int32_t>& values,
                        const std::vector<std::int32_t>& tolerances) {
    std::string text;
    text.reserve(12 * (values.size() + tolerances.size()) + 32);
    const auto appendList = [&text](const std::vector<std::int32_t>& list) {
        text += std::to_string(list.size());
        text += '\n';
        for (std::size_t i = 0; i < list.size(); ++i) {
            text += std::to_string(list[i]);
            text += (i % 20 == 19 || i + 1 == list.size()) ? '\n' : ' ';
        }
    };
    appendList(values);
    appendList(tolerances);
    return text;
}

}  // namespace stable_stretch::tools
