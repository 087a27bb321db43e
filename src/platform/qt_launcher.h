#pragma once
// Starts LibreOffice on an exported file, read with the import filter its kind needs, or else
// the desktop's default application for it. The started program runs on its own; its outcome
// is not awaited. Which programs there are is looked up once, off the window's thread (asking
// the desktop can take seconds); a command that needs the answer before it is there waits
// with the window still painting.

#include "output/launcher.h"

#include <QFuture>
#include <QString>
#include <QStringList>

namespace orvane {

class QtLauncher final : public Launcher {
  public:
    // `searchPaths` replaces the PATH search for the programs (tests); empty: the PATH. The
    // look-up starts here.
    explicit QtLauncher(QStringList searchPaths = {});

    bool OpenInWordProcessor(const std::string& path, OfficeFile kind) override;
    // LibreOffice is installed, or the desktop has a default application for spreadsheets.
    bool HasSpreadsheet() override;
    bool OpenInSpreadsheet(const std::string& path) override;

    // The LibreOffice program, or empty when it is not installed.
    QString OfficeProgram() const;

    // What the look-up found.
    struct Programs {
        QString office;                  // LibreOffice, or empty
        bool desktopSpreadsheet = false; // the desktop opens spreadsheets with some program
    };

  private:
    bool Open(const std::string& path, OfficeFile kind);
    Programs Found() const;

    QFuture<Programs> programs_;
};

} // namespace orvane
