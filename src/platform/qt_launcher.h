#pragma once
// Starts LibreOffice on an exported file, read with the import filter its kind needs, or else
// the desktop's default application for it. The started program runs on its own; its outcome
// is not awaited.

#include "output/launcher.h"

#include <QString>
#include <QStringList>

namespace orvane {

class QtLauncher final : public Launcher {
  public:
    // `searchPaths` replaces the PATH search for the programs (tests); empty: the PATH.
    explicit QtLauncher(QStringList searchPaths = {});

    bool OpenInWordProcessor(const std::string& path, OfficeFile kind) override;
    // LibreOffice is installed, or the desktop has a default application for spreadsheets.
    bool HasSpreadsheet() override;
    bool OpenInSpreadsheet(const std::string& path) override;

    // The LibreOffice program, or empty when it is not installed.
    QString OfficeProgram() const;

  private:
    bool Open(const std::string& path, OfficeFile kind);
    QString FindProgram(const QString& name) const;
    bool DesktopHasSpreadsheetApplication() const;

    QStringList searchPaths_;
};

} // namespace orvane
