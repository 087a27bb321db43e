#include "testset/stop_signal.h"

#include <csignal>

namespace testset {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void RememberStop(int signal) {
    stopSignal = signal;
}

} // namespace

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RememberStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking read or poll returns at once with EINTR.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int StopSignal() {
    return stopSignal;
}

} // namespace testset
