#pragma once
// The command line of the simulated test set.

#include <string>

namespace testset {

enum class Programme { Tarn, Vesk, File };

struct Options {
    Programme programme = Programme::Tarn;
    std::string filePath;     // --file
    int com = 1;              // --com: published as COM<com>
    std::string portsDir;     // --ports-dir; empty: the user's ports folder
    long baud = 9600;         // --baud: line rate the bytes are paced to
    bool fast = false;        // --fast: no pacing, silences kept
    bool packets = false;     // --packets: writes cut as a USB adapter delivers them
    unsigned packetSeed = 0;  // the seed of those cuts
    double gapSeconds = 4;    // --gap: silence between transmissions and at the end
    int repeat = 1;           // --repeat: plays of the whole programme
    double settleSeconds = 1; // --settle: pause after the reader opened the port
    bool waitKey = false;     // --wait-key: after the reader opened, wait for Enter on stdin
    bool dump = false;        // --dump: write the programme's bytes to stdout, no terminal
    bool help = false;
};

// False with a message in `error` when the command line is wrong.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);

const char* UsageText();

} // namespace testset
