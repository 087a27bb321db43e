#pragma once
// The test set's end of a pseudo-terminal pair. The reader (Orvane Reporter) opens the other
// end, the terminal device, as its serial port.

#include <chrono>
#include <string>
#include <string_view>

namespace testset {

enum class Outcome {
    Done,       // the wait or write is complete
    ReaderGone, // the reader closed the terminal
    Stopped,    // SIGINT or SIGTERM
    Failed,     // a system call failed; see Error()
};

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Open();
    const std::string& DevicePath() const { return device_; }
    const std::string& Error() const { return error_; }

    // Returns Done once a reader holds the terminal open.
    Outcome WaitForReader();
    // Silence until `deadline`; ends early when the reader leaves or a stop is asked.
    Outcome PauseUntil(std::chrono::steady_clock::time_point deadline);
    Outcome Pause(double seconds);
    Outcome Write(std::string_view bytes);

  private:
    // Both keep what failed, with the system's reason, for Error().
    bool NoteFailure(const char* what);
    Outcome Fail(const char* what);

    int master_ = -1;
    std::string device_;
    std::string error_;
};

} // namespace testset
