#include "support/pty_testset.h"

// Needs POSIX pseudo-terminals, posix_spawn and signals.
#ifndef _WIN32

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace orvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Starts `program` with stdin and stdout on pipes; stderr stays the test's.
pid_t Spawn(const std::string& program, std::vector<std::string> words, int& input, int& output) {
    int toChild[2], fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0)
        return -1;
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        return -1;
    }
    words.insert(words.begin(), program);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    input = toChild[1];
    output = fromChild[0];
    return pid;
}

int ExitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

std::string PtyTestset::ProgramPath() {
    const char* path = std::getenv("KAVREL_TESTSET");
    return path ? path : "";
}

std::string PtyTestset::Dump(const std::vector<std::string>& options) {
    std::vector<std::string> dumpOptions = options;
    dumpOptions.push_back("--dump");
    int input = -1, output = -1;
    const pid_t pid = Spawn(ProgramPath(), dumpOptions, input, output);
    std::string bytes;
    char buffer[4096];
    for (ssize_t got; pid > 0 && (got = ::read(output, buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    int status = 0;
    if (pid > 0)
        ::waitpid(pid, &status, 0);
    ::close(input);
    ::close(output);
    return bytes;
}

PtyTestset::PtyTestset(const std::vector<std::string>& options) {
    const std::string program = ProgramPath();
    if (program.empty()) {
        failure_ = "KAVREL_TESTSET is not set";
        return;
    }
    pid_ = Spawn(program, options, input_, output_);
    if (pid_ <= 0) {
        failure_ = "cannot start " + program + ": " + std::strerror(errno);
        return;
    }
    // The first line is the terminal's path, published within 10 s.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    std::string line;
    for (char c = 0; c != '\n';) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd readable{output_, POLLIN, 0};
        if (left <= 0 || ::poll(&readable, 1, static_cast<int>(left)) <= 0 ||
            ::read(output_, &c, 1) != 1) {
            line.clear();
            break;
        }
        if (c != '\n')
            line += c;
    }
    if (!line.empty())
        devicePath_ = line;
    else
        failure_ = program + " did not publish a terminal";
}

PtyTestset::~PtyTestset() {
    if (pid_ > 0 && exitCode_ < 0)
        Terminate();
    if (input_ >= 0)
        ::close(input_);
    if (output_ >= 0)
        ::close(output_);
}

int PtyTestset::WaitForExit(std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (int status = 0; pid_ > 0 && exitCode_ < 0;) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_)
            exitCode_ = ExitCodeOf(status);
        else if (Clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return exitCode_;
}

int PtyTestset::Terminate() {
    int status = 0;
    if (pid_ > 0 && exitCode_ < 0 && ::kill(pid_, SIGTERM) == 0 &&
        ::waitpid(pid_, &status, 0) == pid_)
        exitCode_ = ExitCodeOf(status);
    return exitCode_;
}

} // namespace orvane::testing

#endif
