#include "testset/com_link.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace testset {

namespace fs = std::filesystem;

std::string DefaultPortsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const fs::path config =
        xdg && *xdg == '/' ? fs::path(xdg) : fs::path(home && *home ? home : ".") / ".config";
    return (config / "Kavrel" / "ports").string();
}

bool ComLink::Publish(const std::string& folder, int number, const std::string& device,
                      std::string& error) {
    Remove();
    std::error_code failure;
    fs::create_directories(folder, failure);
    const fs::path link = fs::path(folder) / ("COM" + std::to_string(number));
    const fs::path fresh = fs::path(folder) / ("COM" + std::to_string(number) + ".new");
    if (!failure) {
        fs::remove(fresh, failure);
        fs::create_symlink(device, fresh, failure);
    }
    if (!failure)
        fs::rename(fresh, link, failure);
    if (failure) {
        error = "cannot publish " + link.string() + ": " + failure.message();
        return false;
    }
    path_ = link.string();
    device_ = device;
    return true;
}

void ComLink::Remove() {
    if (path_.empty())
        return;
    std::error_code failure;
    if (fs::read_symlink(path_, failure) == fs::path(device_) && !failure)
        fs::remove(path_, failure);
    path_.clear();
}

} // namespace testset
