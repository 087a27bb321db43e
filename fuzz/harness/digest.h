#pragma once
// An order-sensitive fingerprint of what a fake was asked to do, so that two runs
// over the same bytes can be compared without keeping everything they did.

#include <cstdint>
#include <string_view>

namespace orvane::fuzzing {

class Digest {
  public:
    void AddBytes(std::string_view bytes) {
        AddNumber(static_cast<std::int64_t>(bytes.size()));
        for (const char byte : bytes) {
            hash_ ^= static_cast<std::uint8_t>(byte);
            hash_ *= 1099511628211ull;
        }
    }
    // One multiply per number: the pixels of a picture are many.
    void AddNumber(std::int64_t value) {
        hash_ = (hash_ ^ static_cast<std::uint64_t>(value)) * 0x9E3779B97F4A7C15ull;
        hash_ ^= hash_ >> 29;
    }
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

inline std::uint64_t HashOf(std::string_view bytes) {
    Digest digest;
    digest.AddBytes(bytes);
    return digest.Value();
}

} // namespace orvane::fuzzing
