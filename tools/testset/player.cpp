#include "testset/player.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace testset {

Outcome SendPaced(PseudoTerminal& terminal, std::string_view bytes, long baud, bool fast,
                  PacketCutter* packets) {
    if (fast && !packets)
        return terminal.Write(bytes);
    using Clock = std::chrono::steady_clock;
    const double bytesPerSecond = static_cast<double>(baud) / 10.0;
    // About 20 ms of line time per write.
    const std::size_t lineChunk =
        std::max<std::size_t>(1, static_cast<std::size_t>(bytesPerSecond / 50));
    const Clock::time_point start = Clock::now();
    double pauses = 0;
    for (std::size_t sent = 0; sent < bytes.size();) {
        std::size_t length = lineChunk;
        if (packets) {
            length = packets->NextLength();
            pauses += packets->NextPauseSeconds();
        }
        const double lineTime = fast ? 0 : static_cast<double>(sent) / bytesPerSecond;
        const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(lineTime + pauses));
        if (const Outcome waited = terminal.PauseUntil(due); waited != Outcome::Done)
            return waited;
        if (const Outcome written = terminal.Write(bytes.substr(sent, length));
            written != Outcome::Done)
            return written;
        sent += std::min(length, bytes.size() - sent);
    }
    return Outcome::Done;
}

Outcome Play(PseudoTerminal& terminal, const std::vector<std::string>& transmissions,
             const Options& options) {
    std::optional<PacketCutter> packets;
    if (options.packets)
        packets.emplace(options.packetSeed);
    for (int round = 0; round < options.repeat; ++round) {
        for (std::size_t i = 0; i < transmissions.size(); ++i) {
            if (const Outcome sent = SendPaced(terminal, transmissions[i], options.baud,
                                               options.fast, packets ? &*packets : nullptr);
                sent != Outcome::Done)
                return sent;
            const bool last = round + 1 == options.repeat && i + 1 == transmissions.size();
            const Outcome silence = terminal.Pause(options.gapSeconds);
            if (silence == Outcome::ReaderGone && last)
                return Outcome::Done;
            if (silence != Outcome::Done)
                return silence;
        }
    }
    return Outcome::Done;
}

} // namespace testset
