#include "ui/storable_text_guard.h"

#include "platform/cp1252.h"

namespace orvane {

bool StorableTextGuard::Admits(const QString& text) const {
    if (IsCp1252(text))
        return true;
    emit Refused();
    return false;
}

QValidator::State StorableTextGuard::validate(QString& input, int& /*position*/) const {
    return Admits(input) ? Acceptable : Invalid;
}

} // namespace orvane
