#include "testset/options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace testset {
namespace {

bool ToLong(const char* text, long low, long high, long& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ToSeconds(const char* text, double& value) {
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(parsed) || parsed < 0 || parsed > 3600)
        return false;
    value = parsed;
    return true;
}

} // namespace

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const char* value = nullptr;
        const auto next = [&] { return value = i + 1 < argc ? argv[++i] : nullptr; };
        long number = 0;
        bool good = true;
        if (option == "--tarn") {
            options.programme = Programme::Tarn;
        } else if (option == "--vesk") {
            options.programme = Programme::Vesk;
        } else if (option == "--file") {
            good = next() && *value;
            options.programme = Programme::File;
            options.filePath = good ? value : "";
        } else if (option == "--com") {
            good = next() && ToLong(value, 1, 255, number);
            options.com = static_cast<int>(number);
        } else if (option == "--ports-dir") {
            good = next() && *value;
            options.portsDir = good ? value : "";
        } else if (option == "--baud") {
            good = next() && ToLong(value, 50, 4000000, options.baud);
        } else if (option == "--fast") {
            options.fast = true;
        } else if (option == "--packets") {
            good = next() && ToLong(value, 0, 2147483647, number);
            options.packets = good;
            options.packetSeed = static_cast<unsigned>(number);
        } else if (option == "--gap") {
            good = next() && ToSeconds(value, options.gapSeconds);
        } else if (option == "--settle") {
            good = next() && ToSeconds(value, options.settleSeconds);
        } else if (option == "--repeat") {
            good = next() && ToLong(value, 1, 100000, number);
            options.repeat = static_cast<int>(number);
        } else if (option == "--wait-key") {
            options.waitKey = true;
        } else if (option == "--dump") {
            options.dump = true;
        } else if (option == "--help" || option == "-h") {
            options.help = true;
        } else {
            error = "unknown option " + std::string(option);
            return false;
        }
        if (!good) {
            error = "option " + std::string(option) + " needs a valid value";
            return false;
        }
    }
    return true;
}

const char* UsageText() {
    return "Usage: orvane-testset [--tarn | --vesk | --file PATH] [options]\n"
           "Plays a test set on a pseudo-terminal published as COM<n> for Orvane Reporter.\n"
           "\n"
           "  --tarn          Tarn/TarnX screens pushed as printer text (default)\n"
           "  --vesk          Vesk/VeskM printout: a text record, a graph, a screen image\n"
           "  --file PATH     the bytes of a file, as one transmission\n"
           "  --com N         publish the terminal as COM<N> (default 1)\n"
           "  --ports-dir DIR folder of the COM links (default $XDG_CONFIG_HOME/Kavrel/ports,\n"
           "                  ~/.config/Kavrel/ports)\n"
           "  --baud N        line rate the bytes are paced to (default 9600)\n"
           "  --fast          no pacing; the silences are kept\n"
           "  --packets SEED  cut every write into packets of 1 to 64 bytes with pauses of up\n"
           "                  to 3 ms, as a USB serial adapter delivers them; the same SEED\n"
           "                  cuts the same way\n"
           "  --gap SECONDS   silence between transmissions and at the end (default 4)\n"
           "  --repeat N      play the whole programme N times (default 1)\n"
           "  --settle SECONDS pause after the reader opened the port (default 1)\n"
           "  --wait-key      after the reader opened the port, wait for Enter on stdin\n"
           "  --dump          write the programme's bytes to stdout and exit\n"
           "\n"
           "The first line on stdout is the terminal's device path. Playing starts when a\n"
           "reader opens the port; the program ends after the final silence, when the\n"
           "reader closes the port, or on SIGINT/SIGTERM, and removes its COM link.\n";
}

} // namespace testset
