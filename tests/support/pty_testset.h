#pragma once
// Runs the simulated test set (the program named by KAVREL_TESTSET) for a test: it publishes
// a pseudo-terminal as COM<n> and plays a test set's transmissions once a reader opens it.

// Needs POSIX pseudo-terminals, posix_spawn and signals.
#ifndef _WIN32

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvane::testing {

class PtyTestset {
  public:
    // The program's path; empty when KAVREL_TESTSET is not set.
    static std::string ProgramPath();
    // What the test set plays with these options, without the silences (its --dump output).
    static std::string Dump(const std::vector<std::string>& options);

    // Starts the program with `options` and waits (10 s at most) until it has published its
    // terminal. Started() tells whether it did; Failure() why not.
    explicit PtyTestset(const std::vector<std::string>& options);
    // Stops a program still running (SIGTERM) and reaps it.
    ~PtyTestset();
    PtyTestset(const PtyTestset&) = delete;
    PtyTestset& operator=(const PtyTestset&) = delete;

    bool Started() const { return !devicePath_.empty(); }
    const std::string& Failure() const { return failure_; }
    const std::string& DevicePath() const { return devicePath_; }

    // The exit code once the program has ended within `timeout`; -1 if it is still running.
    int WaitForExit(std::chrono::milliseconds timeout);
  private:
    // SIGTERM, then the exit code.
    int Terminate();

    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int exitCode_ = -1;
    std::string devicePath_;
    std::string failure_;
};

} // namespace orvane::testing

#endif
