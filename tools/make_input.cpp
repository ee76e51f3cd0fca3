// Writes an "e.in" to standard output: make_input SIZE SHAPE QUERIES SEED.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "input_shapes.hpp"

namespace {

template <typename Number>
bool parse(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace stable_stretch::tools;
    std::size_t size = 0;
    std::size_t queries = 0;
    std::uint64_t seed = 0;
    const std::optional<Shape> shape = argc == 5 ? shapeFromName(argv[2]) : std::nullopt;
    if (!shape || !parse(argv[1], size) || !parse(argv[3], queries) || !parse(argv[4], seed)) {
        std::fprintf(stderr,
                     "usage: make_input SIZE SHAPE QUERIES SEED > e.in\n"
                     "  SHAPE: uniform, walk, sorted, sawtooth or constant\n");
        return 2;
    }
    const std::string text =
        formatInput(makeSequence(*shape, size, seed), makeTolerances(*shape, queries, seed));
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::perror("make_input: standard output");
        return 1;
    }
    return 0;
}
