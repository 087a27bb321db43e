// orvane-testset: a simulated test set for Orvane Reporter. It opens a pseudo-terminal,
// publishes it as COM<n>, waits for the program to open that port and plays what a
// Tarn/TarnX or Vesk/VeskM set prints. Run with --help for the options.

#include "testset/com_link.h"
#include "testset/options.h"
#include "testset/player.h"
#include "testset/pseudo_terminal.h"
#include "testset/samples.h"
#include "testset/stop_signal.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

using namespace testset;

enum ExitCode { Played = 0, SystemError = 1, UsageError = 2, ReaderLeftEarly = 3 };

bool LoadProgramme(const Options& options, std::vector<std::string>& transmissions) {
    switch (options.programme) {
    case Programme::Tarn:
        transmissions = TarnScreens();
        return true;
    case Programme::Vesk:
        transmissions = VeskPrintouts();
        return true;
    case Programme::File: {
        std::ifstream file(options.filePath, std::ios::binary);
        if (!file)
            return false;
        transmissions = {std::string(std::istreambuf_iterator<char>(file), {})};
        return true;
    }
    }
    return false;
}

void Dump(const std::vector<std::string>& transmissions, int repeat) {
    for (int round = 0; round < repeat; ++round) {
        for (const std::string& bytes : transmissions)
            std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    }
    std::fflush(stdout);
}

// Waits for a line on stdin (or its end); Stopped when a signal comes first.
Outcome WaitForEnter() {
    std::fputs("orvane-testset: reader connected; press Enter to play\n", stderr);
    for (char c = 0; c != '\n';) {
        const ssize_t got = ::read(STDIN_FILENO, &c, 1);
        if (StopSignal() != 0)
            return Outcome::Stopped;
        if (got == 0 || (got < 0 && errno != EINTR))
            break;
    }
    return Outcome::Done;
}

int Finish(Outcome outcome, const PseudoTerminal& terminal) {
    switch (outcome) {
    case Outcome::Done:
        std::fputs("orvane-testset: done\n", stderr);
        return Played;
    case Outcome::ReaderGone:
        std::fputs("orvane-testset: the reader closed the port before the end\n", stderr);
        return ReaderLeftEarly;
    case Outcome::Stopped:
        return 128 + StopSignal();
    case Outcome::Failed:
        break;
    }
    std::fprintf(stderr, "orvane-testset: %s\n", terminal.Error().c_str());
    return SystemError;
}

} // namespace

int main(int argc, char** argv) {
    InstallStopHandlers();
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "orvane-testset: %s\n\n%s", error.c_str(), UsageText());
        return UsageError;
    }
    if (options.help) {
        std::fputs(UsageText(), stdout);
        return Played;
    }
    std::vector<std::string> transmissions;
    if (!LoadProgramme(options, transmissions)) {
        std::fprintf(stderr, "orvane-testset: cannot read %s\n", options.filePath.c_str());
        return SystemError;
    }
    if (options.dump) {
        Dump(transmissions, options.repeat);
        return Played;
    }

    PseudoTerminal terminal;
    if (!terminal.Open())
        return Finish(Outcome::Failed, terminal);
    ComLink link;
    const std::string folder = options.portsDir.empty() ? DefaultPortsFolder() : options.portsDir;
    if (!link.Publish(folder, options.com, terminal.DevicePath(), error)) {
        std::fprintf(stderr, "orvane-testset: %s\n", error.c_str());
        return SystemError;
    }
    std::printf("%s\n", terminal.DevicePath().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "orvane-testset: COM%d -> %s (%s); waiting for the reader\n", options.com,
                 terminal.DevicePath().c_str(), link.Path().c_str());

    Outcome outcome = terminal.WaitForReader();
    if (outcome == Outcome::Done)
        outcome = options.waitKey ? WaitForEnter() : terminal.Pause(options.settleSeconds);
    if (outcome == Outcome::Done)
        outcome = Play(terminal, transmissions, options);
    return Finish(outcome, terminal);
}
