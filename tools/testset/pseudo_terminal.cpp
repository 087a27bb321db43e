#include "testset/pseudo_terminal.h"

#include "testset/stop_signal.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace testset {
namespace {

using Clock = std::chrono::steady_clock;

// Waits are cut into slices this long so that a stop asked between two checks is seen soon.
constexpr int SliceMilliseconds = 100;
constexpr int ReaderCheckMilliseconds = 20;

} // namespace

PseudoTerminal::~PseudoTerminal() {
    if (master_ >= 0)
        ::close(master_);
}

bool PseudoTerminal::NoteFailure(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
    return false;
}

Outcome PseudoTerminal::Fail(const char* what) {
    NoteFailure(what);
    return Outcome::Failed;
}

bool PseudoTerminal::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return NoteFailure("posix_openpt");
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0)
        return NoteFailure("cannot prepare the pseudo-terminal");
    device_ = name;
    // The terminal is made raw here, before any reader: a terminal still in its cooked default
    // would translate CR, echo and hold back bytes until a line end. Closing it again also
    // marks the pair as unread (the master polls as hung up) until a reader opens it.
    const int terminal = ::open(name, O_RDWR | O_NOCTTY);
    if (terminal < 0)
        return NoteFailure(name);
    termios attributes{};
    ::tcgetattr(terminal, &attributes);
    ::cfmakeraw(&attributes);
    ::cfsetspeed(&attributes, B9600);
    const bool raw = ::tcsetattr(terminal, TCSANOW, &attributes) == 0 ||
                     NoteFailure("cannot make the terminal raw");
    ::close(terminal);
    if (!raw)
        return false;
    if (::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK) != 0)
        return NoteFailure("fcntl");
    return true;
}

Outcome PseudoTerminal::WaitForReader() {
    for (;;) {
        if (StopSignal() != 0)
            return Outcome::Stopped;
        pollfd master{master_, 0, 0};
        if (::poll(&master, 1, 0) < 0 && errno != EINTR)
            return Fail("poll");
        if ((master.revents & POLLHUP) == 0)
            return Outcome::Done;
        // No event tells of the terminal being opened; a light look every few milliseconds.
        ::poll(nullptr, 0, ReaderCheckMilliseconds);
    }
}

Outcome PseudoTerminal::PauseUntil(Clock::time_point deadline) {
    for (;;) {
        if (StopSignal() != 0)
            return Outcome::Stopped;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Outcome::Done;
        // Asking for no event still reports the hang-up of the reader's closing.
        pollfd master{master_, 0, 0};
        const int ready =
            ::poll(&master, 1, static_cast<int>(std::min<long long>(left, SliceMilliseconds)));
        if (ready < 0 && errno != EINTR)
            return Fail("poll");
        if (ready > 0 && (master.revents & POLLHUP) != 0)
            return Outcome::ReaderGone;
    }
}

Outcome PseudoTerminal::Pause(double seconds) {
    return PauseUntil(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                         std::chrono::duration<double>(seconds)));
}

Outcome PseudoTerminal::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        if (StopSignal() != 0)
            return Outcome::Stopped;
        pollfd master{master_, POLLOUT, 0};
        if (::poll(&master, 1, SliceMilliseconds) < 0) {
            if (errno == EINTR)
                continue;
            return Fail("poll");
        }
        // A terminal nobody holds still takes bytes; the hang-up tells the reader has gone.
        if ((master.revents & POLLHUP) != 0)
            return Outcome::ReaderGone;
        if ((master.revents & POLLOUT) == 0)
            continue; // the reader has not taken the earlier bytes yet
        const ssize_t written = ::write(master_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (errno == EIO) {
            return Outcome::ReaderGone;
        } else if (errno != EAGAIN && errno != EINTR) {
            return Fail("write");
        }
    }
    return Outcome::Done;
}

} // namespace testset
