#pragma once
// A scripted serial port: bytes queued in `incoming` are what the line has delivered, the
// fail* switches make the next calls fail, and `calls` lists what the code under test did.

#include "serial/link_capture.h"
#include "serial/serial_port.h"

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
    bool rts = false;
    InputMode inputMode = InputMode::Binary;

    // "SetCommPort 3", "Open", "Close", "SetSettings 9600,N,8,1", "Read 0", "Discard", ...
    std::vector<std::string> calls;

    int CommPort() const override { return port; }
    bool SetCommPort(int number) override;
    // The parity letter comes back in lower case, as the real port reports it.
    std::string Settings() const override;
    bool SetSettings(const std::string& value) override;
    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return open; }
    std::string LastError() const override { return lastError_; }
    void SetRts(bool on) override;
    void SetInputMode(InputMode mode) override;
    std::size_t InBufferCount() const override { return incoming.size(); }
    void DiscardInput() override;
    std::string Read(std::size_t count = 0) override;

  private:
    std::string lastError_;
};

// Counts the ends of the capture the link code asks for.
class CountingCapture final : public LinkCapture {
  public:
    int ended = 0;
    void EndCapture() override { ++ended; }
};

} // namespace orvane::testing
