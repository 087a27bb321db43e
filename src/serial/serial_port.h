#pragma once
// The serial port as the capture sees it. The link is receive-only: nothing is ever sent.
// The Qt implementation lives in platform/; tests use a scripted fake.

#include <cstddef>
#include <string>

namespace orvane {

enum class InputMode { Text, Binary };

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    virtual int CommPort() const = 0;
    // False when the number is refused outright (the previous number stays in force).
    virtual bool SetCommPort(int port) = 0;

    // "9600,n,8,1": speed, parity letter (read back in lower case), data bits, stop bits.
    virtual std::string Settings() const = 0;
    // False when the string cannot be applied; accepted while the port is open.
    virtual bool SetSettings(const std::string& settings) = 0;

    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Why the last Open or SetSettings failed, in words a technician can act on; empty if
    // it did not fail.
    virtual std::string LastError() const = 0;

    virtual void SetRts(bool on) = 0;
    virtual void SetInputMode(InputMode mode) = 0;

    virtual std::size_t InBufferCount() const = 0;
    virtual void DiscardInput() = 0;
    // Takes up to `count` bytes waiting in the receive buffer; 0 takes everything waiting.
    virtual std::string Read(std::size_t count = 0) = 0;
};

} // namespace orvane
