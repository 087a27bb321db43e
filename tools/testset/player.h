#pragma once
// Plays transmissions on the terminal the way a test set sends them: each one paced to the
// line rate, silences between them and after the last.

#include "testset/options.h"
#include "testset/packets.h"
#include "testset/pseudo_terminal.h"

#include <string>
#include <string_view>
#include <vector>

namespace testset {

// Sends `bytes` no faster than `baud` allows (ten bit times a byte: start, 8 data, stop);
// with `fast` at once. With `packets`, in the packets and pauses it cuts.
Outcome SendPaced(PseudoTerminal& terminal, std::string_view bytes, long baud, bool fast,
                  PacketCutter* packets);

// Plays the transmissions options.repeat times, each followed by options.gapSeconds of
// silence, cut into packets when options.packets asks. A reader that leaves during the final
// silence has had everything: Done.
Outcome Play(PseudoTerminal& terminal, const std::vector<std::string>& transmissions,
             const Options& options);

} // namespace testset
