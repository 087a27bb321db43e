#include "platform/qt_launcher.h"

#include "platform/office_arguments.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace orvane {
namespace {

// How long a desktop query may take before it counts as unanswered.
constexpr int QueryTimeoutMs = 5000;

QStringList StandardOfficeLocations() {
    QStringList locations;
#if defined(Q_OS_WIN)
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty())
            locations << QDir(folder).filePath(QStringLiteral("LibreOffice/program/soffice.exe"));
    }
#elif defined(Q_OS_MACOS)
    locations << QStringLiteral("/Applications/LibreOffice.app/Contents/MacOS/soffice");
#endif
    return locations;
}

QString FindProgram(const QStringList& searchPaths, const QString& name) {
    return searchPaths.isEmpty() ? QStandardPaths::findExecutable(name)
                                 : QStandardPaths::findExecutable(name, searchPaths);
}

QString OfficeProgram(const QStringList& searchPaths) {
    for (const QString& name : {QStringLiteral("libreoffice"), QStringLiteral("soffice")}) {
        const QString program = FindProgram(searchPaths, name);
        if (!program.isEmpty())
            return program;
    }
    if (searchPaths.isEmpty()) {
        for (const QString& location : StandardOfficeLocations()) {
            if (QFileInfo(location).isExecutable())
                return location;
        }
    }
    return {};
}

bool DesktopHasSpreadsheetApplication([[maybe_unused]] const QStringList& searchPaths) {
#if defined(Q_OS_WIN)
    for (const char* type : {".xls", ".csv"}) {
        const QSettings key(QStringLiteral("HKEY_CLASSES_ROOT\\") + QLatin1String(type),
                            QSettings::NativeFormat);
        if (!key.value(QStringLiteral(".")).toString().isEmpty())
            return true;
    }
    return false;
#elif defined(Q_OS_MACOS)
    return true; // every macOS has an application that opens tables
#else
    const QString xdgMime = FindProgram(searchPaths, QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    for (const char* type : {"application/vnd.ms-excel", "text/csv"}) {
        QProcess query;
        query.start(xdgMime,
                    {QStringLiteral("query"), QStringLiteral("default"), QLatin1String(type)});
        if (!query.waitForFinished(QueryTimeoutMs)) {
            query.kill();
            query.waitForFinished(QueryTimeoutMs);
            continue;
        }
        if (query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    return false;
#endif
}

QtLauncher::Programs LookUp(const QStringList& searchPaths) {
    QtLauncher::Programs programs;
    programs.office = OfficeProgram(searchPaths);
    // LibreOffice opens spreadsheets itself: the desktop need not be asked.
    programs.desktopSpreadsheet =
        programs.office.isEmpty() && DesktopHasSpreadsheetApplication(searchPaths);
    return programs;
}

} // namespace

QtLauncher::QtLauncher(QStringList searchPaths)
    : programs_(QtConcurrent::run(LookUp, std::move(searchPaths))) {}

QtLauncher::Programs QtLauncher::Found() const {
    if (!programs_.isFinished()) {
        // Painting and timers go on meanwhile; the user's input waits, so that no other
        // command runs inside this one.
        QEventLoop loop;
        QFutureWatcher<Programs> watcher;
        QObject::connect(&watcher, &QFutureWatcher<Programs>::finished, &loop, &QEventLoop::quit);
        watcher.setFuture(programs_);
        if (!programs_.isFinished())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return programs_.result();
}

QString QtLauncher::OfficeProgram() const {
    return Found().office;
}

bool QtLauncher::Open(const std::string& path, OfficeFile kind) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    const QString office = OfficeProgram();
    if (!office.isEmpty())
        return QProcess::startDetached(office, OfficeArguments(kind, file));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool QtLauncher::OpenInWordProcessor(const std::string& path, OfficeFile kind) {
    return Open(path, kind);
}

bool QtLauncher::OpenInSpreadsheet(const std::string& path) {
    return Open(path, OfficeFile::Table);
}

bool QtLauncher::HasSpreadsheet() {
    const Programs found = Found();
    return !found.office.isEmpty() || found.desktopSpreadsheet;
}

} // namespace orvane
