#include "platform/qt_file_locks.h"

#include <QFile>

namespace orvane {

bool QtFileLocks::Lock(const std::string& path) {
    if (held_.contains(path))
        return true;
    auto lock = std::make_unique<QLockFile>(QFile::decodeName(QByteArray::fromStdString(path)) +
                                            QStringLiteral(".lock"));
    // Held for a whole run: only a dead holder, never the age of the lock, makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        // A folder where no lock can be made (read-only media) keeps every copy out alike;
        // nothing written there can be lost to another copy.
        return lock->error() == QLockFile::PermissionError;
    held_.emplace(path, std::move(lock));
    return true;
}

void QtFileLocks::Unlock(const std::string& path) {
    held_.erase(path);
}

} // namespace orvane
