#include "testset/packets.h"

namespace testset {
namespace {

constexpr std::size_t LongestPacket = 64;
constexpr int LongestPauseMicroseconds = 3000;

} // namespace

std::size_t PacketCutter::NextLength() {
    return std::uniform_int_distribution<std::size_t>(1, LongestPacket)(random_);
}

double PacketCutter::NextPauseSeconds() {
    return std::uniform_int_distribution<int>(0, LongestPauseMicroseconds)(random_) / 1e6;
}

} // namespace testset
