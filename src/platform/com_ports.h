#pragma once
// COM port numbers, the only port names the technician sees, and the devices behind them.
//
// On Windows COM<n> is the system's own port COM<n>. Elsewhere COM<n> is, first match wins:
//  1. the entry named COM<n> in the ports folder, $XDG_CONFIG_HOME/Kavrel/ports
//     (~/.config/Kavrel/ports when XDG_CONFIG_HOME is not set): a symbolic link to the
//     device, made by PointComPortAt or by hand
//     (ln -s /dev/ttyUSB0 ~/.config/Kavrel/ports/COM3), or a device node of that name;
//  2. the n-th device of the default list: the USB serial adapters first, /dev/ttyUSB0,
//     /dev/ttyUSB1, ... then /dev/ttyACM0, /dev/ttyACM1, ..., then the built-in ports
//     /dev/ttyS0, /dev/ttyS1, ...; each group in numeric order, only devices that exist.
//     Without a USB adapter COM1 is /dev/ttyS0; with one adapter COM1 is the adapter and
//     COM2 is /dev/ttyS0.
// A link pins a number to one device whatever else is plugged in; pseudo-terminals (the
// simulated test set) are reached only through a link.

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Where COM numbers are looked up; tests point both folders at temporary ones.
struct ComPortPlaces {
    std::filesystem::path portsFolder;
    std::filesystem::path deviceFolder;
};

// The ports folder of this user (see above) and /dev.
ComPortPlaces DefaultComPortPlaces();

enum class ComPortSource {
    Link,        // a symbolic link in the ports folder
    Device,      // a device node in the ports folder
    DefaultList, // the n-th device of the default list
    System,      // Windows: the system's own COM<n>
    None,        // nothing reaches this number
};

struct ComPortMapping {
    std::string devicePath; // what the port opens; empty when source is None
    ComPortSource source = ComPortSource::None;
};

ComPortMapping ResolveComPort(int number, const ComPortPlaces& places = DefaultComPortPlaces());

// One line for the serial settings dialog: "COM 1 -> /dev/ttyUSB0 (link)".
std::string DescribeComPort(int number, const ComPortPlaces& places = DefaultComPortPlaces());

// Makes COM<number> a link to devicePath (an absolute path; the device need not be present
// yet), replacing what the ports folder held under that name. On failure returns false and
// says why in `error`.
bool PointComPortAt(int number, const std::string& devicePath, std::string& error,
                    const ComPortPlaces& places = DefaultComPortPlaces());

// The default list of rule 2, in COM order.
std::vector<std::string> DefaultDeviceList(const std::filesystem::path& deviceFolder);

struct SerialDeviceInfo {
    std::string path;
    std::string description; // adapter name and maker as the system reports them; may be empty
};

// The serial devices the system reports, in the order of the default list. Pseudo-terminals
// are not reported; a typed path works for them.
std::vector<SerialDeviceInfo> AvailableSerialDevices();

} // namespace orvane
