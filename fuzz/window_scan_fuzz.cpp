// libFuzzer target: the scan against the answer by definition on sequences and tolerances
// decoded from the fuzzer's bytes, with the queue handed back empty after every scan.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "support/brute_force.hpp"
#include "window/window_queue.hpp"
#include "window/window_scan.hpp"

namespace {

using stable_stretch::AnswerPair;

constexpr std::size_t kMaxLength = 300;
constexpr int kMaxTolerances = 16;  // brute force is quadratic: keep each input quick

// Reads the fuzzer's bytes front to back; past the end every read is 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    [[nodiscard]] bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t word() {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            bits = (bits << 8U) | byte();
        }
        return static_cast<std::int32_t>(bits);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Mostly small values so ties and equal runs are common, sometimes the band edges or a
// value anywhere in the band.
std::int32_t decodeValue(ByteReader& in) {
    const std::uint8_t kind = in.byte();
    switch (kind % 8) {
        case 0:
            return stable_stretch::kEmptyMax;
        case 1:
            return stable_stretch::kEmptyMin;
        case 2: {
            const auto magnitude = static_cast<std::int64_t>(static_cast<std::uint32_t>(in.word()));
            return static_cast<std::int32_t>(magnitude % 2000000001 - 1000000000);
        }
        default:
            return static_cast<std::int32_t>(kind / 8) % 8 - 4;
    }
}

// Every class: far below zero, around zero, small, the band's full range, anything.
std::int32_t decodeTolerance(ByteReader& in) {
    const std::uint8_t kind = in.byte();
    switch (kind % 8) {
        case 0:
            return std::numeric_limits<std::int32_t>::min();
        case 1:
            return -2000000001;
        case 2:
            return -2000000000;
        case 3:
            return std::numeric_limits<std::int32_t>::max();
        case 4:
            return 2000000000 - kind / 8;
        case 5:
            return in.word();
        default:
            return static_cast<std::int32_t>(kind / 8) - 4;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    const bool longer = in.byte() % 2 != 0;
    std::size_t length = in.byte();
    if (longer) {
        length += in.byte();
    }
    std::vector<std::int32_t> values(length < kMaxLength ? length : kMaxLength);
    for (std::int32_t& value : values) {
        value = decodeValue(in);
    }
    stable_stretch::testing::loadSequence(values);
    int tolerances = 0;
    do {
        const std::int32_t tolerance = decodeTolerance(in);
        const AnswerPair got = stable_stretch::scanLongestWindow(tolerance);
        const AnswerPair want = stable_stretch::testing::bruteForceLongestWindow(values, tolerance);
        if (got != want || stable_stretch::windowQueue.front.top != 0 ||
            stable_stretch::windowQueue.back.top != 0) {
            std::abort();
        }
    } while (!in.empty() && ++tolerances < kMaxTolerances);
    return 0;
}
