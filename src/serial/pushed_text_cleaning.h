#pragma once
// The cleaning a pushed text transmission gets before it is shown and stored: the printer
// set-up sequences go, LF is dropped and every CR becomes CR LF. A serial adapter hands the
// bytes over in pieces cut anywhere, so the cleaning works on the stream: a tail that may
// still turn into a set-up sequence waits for the next piece or for the end of the
// transmission.

#include <string>
#include <string_view>

namespace orvane {

// Removes every occurrence of one pattern in a left-to-right pass over a stream; letters
// match whatever their case, other bytes exactly. Joined remains are not searched again.
class PatternRemover {
  public:
    explicit PatternRemover(std::string_view pattern) : pattern_(pattern) {}

    // What is settled of the stream so far with `piece` added; with `end` the stream is over
    // and nothing is held back.
    std::string Take(std::string_view piece, bool end);
    bool Holding() const { return !held_.empty(); }

  private:
    std::string_view pattern_;
    std::string held_; // a tail that matches the start of the pattern
};

inline constexpr std::string_view SetupWithPitch{"\x1bR\x01\x1b\x32\x0f", 6};
inline constexpr std::string_view Setup{"\x1bR\x01\x1b\x32", 5};

// ESC R 01 ESC 2 SI removed, then ESC R 01 ESC 2, then LF; CR -> CR LF. The text of a
// transmission is the same however its bytes were cut into pieces.
class PushedTextCleaner {
  public:
    // The cleaned text that `piece` settles.
    std::string Take(std::string_view piece);
    // The transmission has ended: the held-back tail, cleaned as usual.
    std::string Finish();
    // True while a tail waits for the next piece.
    bool Holding() const { return withPitch_.Holding() || setup_.Holding(); }

  private:
    std::string Pass(std::string_view piece, bool end);

    PatternRemover withPitch_{SetupWithPitch};
    PatternRemover setup_{Setup};
};

// Removes every occurrence of `pattern` from the whole of `text` (PatternRemover in one go).
std::string RemoveIgnoringCase(std::string_view text, std::string_view pattern);

// The cleaning of one whole transmission.
std::string CleanPushedText(std::string_view transmission);

} // namespace orvane
