#include "support/fake_serial_port.h"

#include <algorithm>
#include <cctype>

namespace orvane::testing {

bool FakeSerialPort::SetCommPort(int number) {
    calls.push_back("SetCommPort " + std::to_string(number));
    if (number < 1 || refusedPorts.count(number) > 0)
        return false;
    port = number;
    return true;
}

std::string FakeSerialPort::Settings() const {
    std::string readBack = settings;
    if (const auto comma = readBack.find(',');
        comma != std::string::npos && comma + 1 < readBack.size())
        readBack[comma + 1] =
            static_cast<char>(std::tolower(static_cast<unsigned char>(readBack[comma + 1])));
    return readBack;
}

bool FakeSerialPort::SetSettings(const std::string& value) {
    calls.push_back("SetSettings " + value);
    lastError_ = failSettings ? failureReason : std::string();
    if (failSettings)
        return false;
    settings = value;
    return true;
}

bool FakeSerialPort::Open() {
    calls.push_back("Open");
    lastError_ = failOpen ? failureReason : std::string();
    if (failOpen)
        return false;
    open = true;
    return true;
}

void FakeSerialPort::Close() {
    calls.push_back("Close");
    open = false;
}

void FakeSerialPort::SetRts(bool on) {
    calls.push_back(on ? "SetRts on" : "SetRts off");
    rts = on;
}

void FakeSerialPort::SetInputMode(InputMode mode) {
    calls.push_back(mode == InputMode::Text ? "SetInputMode text" : "SetInputMode binary");
    inputMode = mode;
}

void FakeSerialPort::DiscardInput() {
    calls.push_back("Discard");
    incoming.clear();
}

std::string FakeSerialPort::Read(std::size_t count) {
    calls.push_back("Read " + std::to_string(count));
    const std::size_t taken = count == 0 ? incoming.size() : std::min(count, incoming.size());
    std::string bytes = incoming.substr(0, taken);
    incoming.erase(0, taken);
    return bytes;
}

} // namespace orvane::testing
