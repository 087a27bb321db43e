#pragma once
// Choices a fuzz target makes beyond the bytes themselves (where chunks end, how long the
// line stays silent), drawn from a generator seeded by the input: the same input always
// makes the same choices, so every crash replays, and every mutation tries other ones.

#include "harness/digest.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orvane::fuzzing {

class InputRandom {
  public:
    explicit InputRandom(std::string_view data) : state_(HashOf(data)) {}

    // SplitMix64.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. bound - 1; bound > 0.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }

  private:
    std::uint64_t state_;
};

// Cuts `data` into consecutive pieces as a serial port may deliver them: often single bytes
// or a few, now and then a long run.
inline std::vector<std::string_view> SplitIntoChunks(std::string_view data, InputRandom& random) {
    std::vector<std::string_view> chunks;
    while (!data.empty()) {
        const std::size_t roll = random.Below(8);
        const std::size_t length = roll < 3   ? 1
                                   : roll < 7 ? 2 + random.Below(15)
                                              : 17 + random.Below(240);
        chunks.push_back(data.substr(0, length));
        data.remove_prefix(chunks.back().size());
    }
    return chunks;
}

} // namespace orvane::fuzzing
