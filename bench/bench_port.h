#pragma once
// A serial port for the benchmarks: it delivers whatever was put into `incoming` and keeps
// no record of the calls, so it costs nothing per read.

#include "serial/serial_port.h"

#include <string>
#include <utility>

namespace orvane {

class BenchPort final : public SerialPort {
  public:
    std::string incoming;

    int CommPort() const override { return 1; }
    bool SetCommPort(int) override { return true; }
    std::string Settings() const override { return "9600,n,8,1"; }
    bool SetSettings(const std::string&) override { return true; }
    bool Open() override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    std::string LastError() const override { return {}; }
    void SetRts(bool) override {}
    void SetInputMode(InputMode) override {}
    std::size_t InBufferCount() const override { return incoming.size(); }
    void DiscardInput() override { incoming.clear(); }
    std::string Read(std::size_t) override { return std::exchange(incoming, {}); }
};

} // namespace orvane
