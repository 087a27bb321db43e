#pragma once
// A scripted serial port: bytes queued in `incoming` are what the line has delivered, the
// fail* switches make the next calls fail, and `calls` lists what the code under test did.

#include "serial/link_capture.h"
#include "serial/serial_port.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

class FakeSerialPort final : public SerialPort {
  public:
    std::string incoming;       // bytes waiting in the receive buffer
    std::set<int> refusedPorts; // port numbers SetCommPort refuses (besides those below 1)
    bool failOpen = false;
    bool failSettings = false;
    std::string failureReason = "Port not found"; // LastError() after a failed call

    int port = 1;
    std::string settings = "9600,N,8,1";
    bool open = false;
    InputMode inputMode = InputMode::Binary;

    // "SetCommPort 3", "Open", "Close", "SetSettings 9600,N,8,1", "Read 0", "Discard", ...
    std::vector<std::string> calls;

    int CommPort() const override { return port; }
    bool SetCommPort(int number) override {
        calls.push_back("SetCommPort " + std::to_string(number));
        if (number < 1 || refusedPorts.count(number) > 0)
            return false;
        port = number;
        return true;
    }
    // The parity letter comes back in lower case, as the real port reports it.
    std::string Settings() const override {
        std::string readBack = settings;
        if (const auto comma = readBack.find(',');
            comma != std::string::npos && comma + 1 < readBack.size())
            readBack[comma + 1] =
                static_cast<char>(std::tolower(static_cast<unsigned char>(readBack[comma + 1])));
        return readBack;
    }
    bool SetSettings(const std::string& value) override {
        calls.push_back("SetSettings " + value);
        return Succeeds(failSettings) && (settings = value, true);
    }
    bool Open() override {
        calls.push_back("Open");
        return Succeeds(failOpen) && (open = true);
    }
    void Close() override {
        calls.push_back("Close");
        open = false;
    }
    bool IsOpen() const override { return open; }
    std::string LastError() const override { return lastError_; }
    void SetRts(bool on) override { calls.push_back(on ? "SetRts on" : "SetRts off"); }
    void SetInputMode(InputMode mode) override {
        calls.push_back(mode == InputMode::Text ? "SetInputMode text" : "SetInputMode binary");
        inputMode = mode;
    }
    std::size_t InBufferCount() const override { return incoming.size(); }
    void DiscardInput() override {
        calls.push_back("Discard");
        incoming.clear();
    }
    std::string Read(std::size_t count = 0) override {
        calls.push_back("Read " + std::to_string(count));
        const std::size_t taken = count == 0 ? incoming.size() : std::min(count, incoming.size());
        std::string bytes = incoming.substr(0, taken);
        incoming.erase(0, taken);
        return bytes;
    }

  private:
    bool Succeeds(bool fail) {
        lastError_ = fail ? failureReason : std::string();
        return !fail;
    }
    std::string lastError_;
};

// Counts the ends of the capture the link code asks for.
class CountingCapture final : public LinkCapture {
  public:
    int ended = 0;
    void EndCapture() override { ++ended; }
};

} // namespace orvane::testing
