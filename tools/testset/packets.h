#pragma once
// A USB serial adapter hands the received bytes over in packets of 1 to 64 bytes, cut
// anywhere, with short pauses between them. The cutter plays such an adapter: seeded, so the
// same seed cuts the same bytes the same way.

#include <cstddef>
#include <random>

namespace testset {

class PacketCutter {
  public:
    explicit PacketCutter(unsigned seed) : random_(seed) {}

    // The length of the next packet: 1 to 64 bytes.
    std::size_t NextLength();
    // The pause before the next packet: up to 3 ms.
    double NextPauseSeconds();

  private:
    std::mt19937 random_;
};

} // namespace testset
