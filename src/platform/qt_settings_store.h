#pragma once
// The settings store on QSettings: organization and application "Kavrel", the platform's
// native format in the user's scope (the registry on Windows, an ini file elsewhere).

#include "workspace/settings_store.h"

#include <QSettings>

namespace orvane {

class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore();

    std::string Read(const std::string& section, const std::string& key) override;
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override;

  private:
    QSettings settings_;
};

} // namespace orvane
