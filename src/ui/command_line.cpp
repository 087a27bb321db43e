#include "ui/command_line.h"

#include "output/report_document.h"
#include "platform/cp1252.h"
#include "platform/report_rendering.h"
#include "ui/application.h"
#include "ui/logic/target_selection.h"
#include "ui/report_export.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/read_only_index.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace orvane {
namespace {

constexpr const char* CommandLineFlags[] = {"--export-pdf", "--help", "-h", "-?", "--help-all"};

// The loader's messages (entries left out) are warnings here; nothing is confirmed.
class StreamDialogs final : public Dialogs {
  public:
    explicit StreamDialogs(QTextStream& err) : err_(err) {}
    void Message(std::string_view text) override {
        err_ << FromCp1252(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    }
    bool Confirm(std::string_view text) override {
        Message(text);
        return false;
    }

  private:
    QTextStream& err_;
};

struct Options {
    QCommandLineOption exportPdf{
        QStringLiteral("export-pdf"),
        QStringLiteral("Writes the report named REPORT of the test-set family FAMILY (tarn, "
                       "vesk or oru) as the PDF file OUTPUT; with --all, every report of the "
                       "family as <report name>.pdf in the folder OUTPUT. Reads the family's "
                       "workspace index in the data root ($KAVREL_DATA_ROOT or ~/PLX) and "
                       "changes nothing there.")};
    QCommandLineOption all{QStringLiteral("all"),
                           QStringLiteral("With --export-pdf: every report of the family.")};
    QCommandLineOption language{QStringLiteral("language"),
                                QStringLiteral("The language of the labels: english (the "
                                               "default) or german."),
                                QStringLiteral("language"), QStringLiteral("english")};
};

std::optional<std::int16_t> LanguageOf(const QString& name) {
    const QString key = name.toLower();
    if (key == QStringLiteral("english") || key == QStringLiteral("en"))
        return std::int16_t{1};
    if (key == QStringLiteral("german") || key == QStringLiteral("de") ||
        key == QStringLiteral("deutsch"))
        return std::int16_t{2};
    return std::nullopt;
}

const TargetFamily* FamilyOf(const QString& name) {
    for (const TargetFamily& family : TargetFamilies)
        if (name.compare(QString::fromLatin1(family.keyword.data(), family.keyword.size()),
                         Qt::CaseInsensitive) == 0)
            return &family;
    return nullptr;
}

// One file name per report in a folder, even where two reports share a name.
QString UniqueFileName(const std::string& reportName, std::set<QString>& taken) {
    const QString name = FromCp1252(ReportPdfFileName(reportName));
    QString candidate = name;
    for (int n = 2; !taken.insert(candidate.toLower()).second; ++n)
        candidate = name.chopped(4) + QStringLiteral(" (%1).pdf").arg(n);
    return candidate;
}

class PdfExport {
  public:
    PdfExport(const std::string& dataRoot, QTextStream& out, QTextStream& err)
        : out_(out), err_(err), dialogs_(err), services_{readOnly_, clock_, dialogs_, dataRoot} {}

    int Run(const TargetFamily& family, std::int16_t language, const std::optional<QString>& report,
            const QString& output) {
        const std::optional<int> reports = LoadIndexReadOnly(*ws_, family.keyword, services_);
        if (!reports) {
            err_ << "Cannot read the workspace index "
                 << QFile::decodeName(
                        QByteArray::fromStdString(IndexPath(services_.dataRoot, family.keyword)))
                 << '\n';
            return ExitFailed;
        }
        // The family's folder holds the index and the records: no PDF may land on one of them.
        const QString records = QDir(QFile::decodeName(QByteArray::fromStdString(
                                         TargetDirectory(services_.dataRoot, family.keyword))))
                                    .canonicalPath();
        const QString into = report ? QFileInfo(output).absolutePath() : output;
        if (QDir(into).canonicalPath() == records) {
            err_ << "Will not write into the folder of the records " << records << '\n';
            return ExitFailed;
        }
        ws_->TypeOfTarget = family.type;
        texts_ = ReportTextsOf(language);
        if (report)
            return ExportOne(*reports, *report, output);
        return ExportAll(*reports, output);
    }

  private:
    int ExportOne(int reports, const QString& name, const QString& output) {
        const std::string wanted = ToCp1252(name);
        for (int r = 1; r <= reports; ++r)
            if (ws_->ReportName[r] == wanted)
                return Write(r, output) ? ExitDone : ExitFailed;
        err_ << "No report named \"" << name << "\" in the workspace index.\n";
        return ExitFailed;
    }

    int ExportAll(int reports, const QString& folder) {
        if (!QDir().mkpath(folder)) {
            err_ << "Cannot make the folder " << folder << '\n';
            return ExitFailed;
        }
        std::set<QString> taken;
        int status = ExitDone;
        for (int r = 1; r <= reports; ++r)
            if (!Write(r, QDir(folder).filePath(UniqueFileName(ws_->ReportName[r], taken))))
                status = ExitFailed;
        return status;
    }

    bool Write(int r, const QString& path) {
        if (!WriteReportPdf(path, ReportDocumentOf(*ws_, r, readOnly_), texts_)) {
            err_ << "Cannot write " << path << '\n';
            return false;
        }
        out_ << path << '\n';
        return true;
    }

    QTextStream& out_;
    QTextStream& err_;
    DiskFileSystem disk_;
    ReadOnlyFileSystem readOnly_{disk_};
    SystemClock clock_;
    StreamDialogs dialogs_;
    Services services_;
    std::unique_ptr<Workspace> ws_ = std::make_unique<Workspace>();
    ReportTexts texts_;
};

} // namespace

bool IsCommandLineRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* flag : CommandLineFlags)
            if (std::strcmp(argv[i], flag) == 0)
                return true;
    return false;
}

int RunCommandLine(int argc, char** argv) {
    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("orvane-reporter"));
    QGuiApplication::setApplicationVersion(QString::fromStdString(ProgramVersion()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(QGuiApplication::arguments(), DefaultDataRoot(), out, err);
}

int RunCommandLine(const QStringList& arguments, const std::string& dataRoot, QTextStream& out,
                   QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvane Reporter files what a telecom test set prints on its serial port "
                       "as records inside reports. Without arguments it opens its window."));
    const Options options;
    parser.addOptions({options.exportPdf, options.all, options.language});
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FAMILY"), QStringLiteral("tarn, vesk or oru"));
    parser.addPositionalArgument(QStringLiteral("REPORT"),
                                 QStringLiteral("the report's name as the list shows it"));
    parser.addPositionalArgument(QStringLiteral("OUTPUT"),
                                 QStringLiteral("the PDF file, or with --all a folder"));
    const QString usage = QStringLiteral("Usage: %1 --export-pdf FAMILY REPORT OUTPUT.pdf\n"
                                         "       %1 --export-pdf FAMILY --all FOLDER\n")
                              .arg(QStringLiteral("orvane-reporter"));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n' << usage;
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return ExitDone;
    }
    const QStringList values = parser.positionalArguments();
    const bool all = parser.isSet(options.all);
    if (!parser.isSet(options.exportPdf) || values.size() != (all ? 2 : 3)) {
        err << usage;
        return ExitUsage;
    }
    const TargetFamily* family = FamilyOf(values[0]);
    if (!family) {
        err << "Unknown family \"" << values[0] << "\": tarn, vesk or oru.\n";
        return ExitUsage;
    }
    const std::optional<std::int16_t> language = LanguageOf(parser.value(options.language));
    if (!language) {
        err << "Unknown language \"" << parser.value(options.language)
            << "\": english or german.\n";
        return ExitUsage;
    }
    PdfExport run(dataRoot, out, err);
    return run.Run(*family, *language, all ? std::nullopt : std::optional(values[1]),
                   values.back());
}

} // namespace orvane
