#include "platform/com_ports.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <tuple>

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr int HighestComPort = 255;

std::string ComName(int number) {
    return "COM" + std::to_string(number);
}

// Place of a device name in the default list: its group (USB, ACM, built-in) and number.
std::optional<std::pair<int, long>> DefaultListRank(std::string_view name) {
    static constexpr std::string_view groups[] = {"ttyUSB", "ttyACM", "ttyS"};
    for (int group = 0; group < 3; ++group) {
        const std::string_view prefix = groups[group];
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view digits = name.substr(prefix.size());
        if (digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        return std::pair{group, std::stol(std::string(digits))};
    }
    return std::nullopt;
}

bool InDefaultListOrder(const std::string& left, const std::string& right) {
    const auto leftRank = DefaultListRank(fs::path(left).filename().string());
    const auto rightRank = DefaultListRank(fs::path(right).filename().string());
    // Devices outside the list's groups go last, by name.
    return std::tuple{!leftRank, leftRank.value_or(std::pair{0, 0L}), left} <
           std::tuple{!rightRank, rightRank.value_or(std::pair{0, 0L}), right};
}

fs::path UserConfigFolder() {
    // XDG: a relative XDG_CONFIG_HOME is to be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config";
}

} // namespace

ComPortPlaces DefaultComPortPlaces() {
    return {UserConfigFolder() / "Kavrel" / "ports", "/dev"};
}

std::vector<std::string> DefaultDeviceList(const fs::path& deviceFolder) {
    std::vector<std::string> devices;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(deviceFolder, error)) {
        if (DefaultListRank(entry.path().filename().string()))
            devices.push_back(entry.path().string());
    }
    std::sort(devices.begin(), devices.end(), InDefaultListOrder);
    return devices;
}

ComPortMapping ResolveComPort(int number, const ComPortPlaces& places) {
    if (number < 1 || number > HighestComPort)
        return {};
#ifdef _WIN32
    (void)places;
    return {ComName(number), ComPortSource::System};
#else
    const fs::path entry = places.portsFolder / ComName(number);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(entry, error);
    if (fs::is_symlink(status)) {
        fs::path target = fs::read_symlink(entry, error);
        if (target.is_relative())
            target = places.portsFolder / target;
        return {target.lexically_normal().string(), ComPortSource::Link};
    }
    if (fs::exists(status))
        return {entry.string(), ComPortSource::Device};
    const std::vector<std::string> devices = DefaultDeviceList(places.deviceFolder);
    if (static_cast<std::size_t>(number) <= devices.size())
        return {devices[static_cast<std::size_t>(number) - 1], ComPortSource::DefaultList};
    return {};
#endif
}

std::string DescribeComPort(int number, const ComPortPlaces& places) {
    const ComPortMapping mapping = ResolveComPort(number, places);
    const std::string head = "COM " + std::to_string(number) + " -> ";
    switch (mapping.source) {
    case ComPortSource::Link:
        return head + mapping.devicePath + " (link)";
    case ComPortSource::Device:
        return head + mapping.devicePath + " (device)";
    case ComPortSource::DefaultList:
        return head + mapping.devicePath + " (default)";
    case ComPortSource::System:
        return head + mapping.devicePath;
    case ComPortSource::None:
        break;
    }
    return head + "no device (link one as " + (places.portsFolder / ComName(number)).string() + ")";
}

bool PointComPortAt(int number, const std::string& devicePath, std::string& error,
                    const ComPortPlaces& places) {
#ifdef _WIN32
    (void)number;
    (void)devicePath;
    (void)places;
    error = "On Windows every COM number is the system's own port; there is nothing to link.";
    return false;
#else
    if (number < 1 || number > HighestComPort) {
        error = "COM numbers run from 1 to " + std::to_string(HighestComPort) + ".";
        return false;
    }
    if (devicePath.empty() || fs::path(devicePath).is_relative()) {
        error = "Give the device as a full path, such as /dev/ttyUSB0.";
        return false;
    }
    std::error_code failure;
    fs::create_directories(places.portsFolder, failure);
    if (failure) {
        error = "Cannot create the folder " + places.portsFolder.string() + ": " +
                failure.message() + ".";
        return false;
    }
    const fs::path entry = places.portsFolder / ComName(number);
    if (fs::is_directory(fs::symlink_status(entry, failure))) {
        error = entry.string() + " is a folder; remove it first.";
        return false;
    }
    // Made aside and renamed over the old entry, so the number is never left unmapped.
    const fs::path fresh = places.portsFolder / (ComName(number) + ".new");
    fs::remove(fresh, failure);
    fs::create_symlink(devicePath, fresh, failure);
    if (!failure)
        fs::rename(fresh, entry, failure);
    if (failure) {
        std::error_code ignored;
        fs::remove(fresh, ignored);
        error =
            "Cannot link " + entry.string() + " to " + devicePath + ": " + failure.message() + ".";
        return false;
    }
    error.clear();
    return true;
#endif
}

std::vector<SerialDeviceInfo> AvailableSerialDevices() {
    std::vector<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        std::string description = info.description().toStdString();
        if (const QString maker = info.manufacturer(); !maker.isEmpty())
            description += (description.empty() ? "" : ", ") + maker.toStdString();
        devices.push_back({info.systemLocation().toStdString(), description});
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDeviceInfo& left, const SerialDeviceInfo& right) {
                  return InDefaultListOrder(left.path, right.path);
              });
    return devices;
}

} // namespace orvane
