#include "platform/qt_settings_store.h"

#include "platform/cp1252.h"

namespace orvane {

namespace {

QString SettingsKey(const std::string& section, const std::string& key) {
    return FromCp1252(section) + QLatin1Char('/') + FromCp1252(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kavrel"),
                QStringLiteral("Kavrel")) {}

std::string QtSettingsStore::Read(const std::string& section, const std::string& key) {
    return ToCp1252(settings_.value(SettingsKey(section, key)).toString());
}

void QtSettingsStore::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
    settings_.setValue(SettingsKey(section, key), FromCp1252(value));
    // Shut-down ends the program at once; the value must be on disk before that.
    settings_.sync();
}

} // namespace orvane
