#pragma once
// File locks on QLockFile: the lock of a file is "<file>.lock" beside it, holding the process
// id, so that a lock left by a program that died is recognised and taken over.

#include "workspace/services.h"

#include <QLockFile>

#include <map>
#include <memory>
#include <string>

namespace orvane {

class QtFileLocks final : public FileLocks {
  public:
    bool Lock(const std::string& path) override;
    void Unlock(const std::string& path) override;

  private:
    // Every lock held, by the path it guards; released when this object goes.
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};

} // namespace orvane
