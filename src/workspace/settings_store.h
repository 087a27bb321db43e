#pragma once
// The per-user settings of the application "Kavrel": text values addressed by section and
// key. Only read and write are needed; nothing is ever deleted or enumerated.

#include <string>

namespace orvane {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or an empty text when nothing is stored.
    virtual std::string Read(const std::string& section, const std::string& key) = 0;
    virtual void Write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

} // namespace orvane
