// A whole report as PDF: from the window's menus and from the command line, on an index as the
// older program wrote it.

#include "window_fixture.h"

#include "output/picture_document.h"
#include "platform/cp1252.h"
#include "platform/png_codec.h"
#include "support/poppler.h"
#include "ui/command_line.h"
#include "ui/report_export.h"

#include <map>

namespace orvane::ui_testing {
namespace {

namespace fs = std::filesystem;

// Every file under a folder with its bytes, time and permissions: what "nothing written" means.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string state = std::to_string(static_cast<int>(entry.status().permissions()));
        if (entry.is_regular_file())
            state += "|" + testing::ReadFile(entry.path()) + "|" +
                     std::to_string(entry.last_write_time().time_since_epoch().count());
        files[entry.path().string()] = state;
    }
    return files;
}

class ReportExportTest : public WindowTest {
  protected:
    ReportExportTest() {
        // As the older program wrote it: Windows paths, Latin-1 header fields, a record whose
        // file is gone and a picture document without a picture.
        fs::create_directories(DataPath("VESK"));
        QImage graph(537, 1000, QImage::Format_RGB32); // a page and a half
        graph.fill(Qt::black);
        testing::WriteFile(
            DataPath("VESK/VESK.ini"),
            "-\r\nSite \xc4\r\nM\xfcller GmbH\r\nJ. \xc5str\xf6m\r\n4711\r\nKabel \xb0"
            "C\r\n"
            " 1 C:\\PLX\\VESK\\12052026-035651AM.txt\r\n   RECORD:  12052026-035651AM\r\n"
            " 1 C:\\PLX\\VESK\\12052026-035652AM.txt\r\n   RECORD:  12052026-035652AM\r\n"
            " 2 C:\\PLX\\VESK\\12052026-040112AM.doc\r\n   GRAPH:    12052026-040112AM\r\n"
            " 2 C:\\PLX\\VESK\\12052026-040113AM.doc\r\n   GRAPH:    12052026-040113AM\r\n#\r\n"
            "-\r\nSite B\r\n\r\n\r\n\r\n\r\n#\r\n");
        testing::WriteFile(DataPath("VESK/12052026-035651AM.txt"),
                           "LEVEL -12.5 dBm \xb1 0.1\r\nSIGNAL OK\r\n");
        testing::WriteFile(DataPath("VESK/12052026-040112AM.doc"),
                           MakePictureDocument(EncodePng(graph)));
        testing::WriteFile(DataPath("VESK/12052026-040113AM.doc"), "{\\rtf1}");
        fs::permissions(DataPath("VESK/VESK.ini"), fs::perms::owner_write,
                        fs::perm_options::remove);
    }

    int Run(QStringList arguments) {
        arguments.prepend(QStringLiteral("orvane-reporter"));
        out.clear(), err.clear();
        QTextStream outStream(&out), errStream(&err);
        return RunCommandLine(arguments, DataPath("").string(), outStream, errStream);
    }
    QString Pdf(const std::string& name) const {
        return QString::fromStdString((dir.path() / name).string());
    }
    static QString Text(const QString& pdf) {
        return testing::PdfPages(pdf).join(' ').simplified();
    }

    QString out, err;
};

TEST_F(ReportExportTest, CommandLineWritesTheListedRecordsAndTouchesNothingElse) {
    if (!testing::HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    const auto before = Snapshot(DataPath(""));
    ASSERT_EQ(Run({"--export-pdf", "vesk", QString::fromUtf8("Site Ä"), Pdf("site.pdf")}), ExitDone)
        << err.toStdString();
    EXPECT_EQ(out, Pdf("site.pdf") + "\n");
    EXPECT_EQ(Snapshot(DataPath("")), before) << "the index and the records stay as they were";

    const QString text = Text(Pdf("site.pdf"));
    for (const char* expected :
         {"Site Ä", "Company: Müller GmbH", "Technician: J. Åström", "Ticket/Order: 4711",
          "Comments: Kabel °C", "RECORD: 12052026-035651AM LEVEL -12.5 dBm ± 0.1 SIGNAL OK",
          "GRAPH: 12052026-040113AM The file of this record is missing or cannot be read.",
          "First record: 12052026-035651AM", "Last record: 12052026-040113AM", "Page 1 of 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(text.contains(QStringLiteral("035652AM"))) << "its file is gone: not listed";
    const testing::TempDir images;
    EXPECT_EQ(testing::PdfImages(Pdf("site.pdf"), QString::fromStdString(images.str())).size(), 1u);

    ASSERT_EQ(Run({"--language", "german", "--export-pdf", "vesk", "--all", Pdf("all")}), ExitDone)
        << err.toStdString();
    EXPECT_EQ(
        out.split('\n', Qt::SkipEmptyParts),
        (QStringList{Pdf("all") + QString::fromUtf8("/Site Ä.pdf"), Pdf("all") + "/Site B.pdf"}));
    EXPECT_TRUE(Text(Pdf("all/Site B.pdf")).contains(QStringLiteral("Firma:")));
    EXPECT_TRUE(Text(Pdf("all/Site B.pdf")).contains(QStringLiteral("Seite 1 von 1")));
    EXPECT_EQ(Snapshot(DataPath("")), before);
}

TEST_F(ReportExportTest, CommandLineSaysWhatIsWrongAndFails) {
    const QString x = Pdf("x.pdf"),
                  ini = QString::fromStdString(DataPath("VESK/VESK.ini").string()),
                  records = QString::fromStdString(DataPath("VESK").string()),
                  nowhere = Pdf("no/such/folder/x.pdf");
    const char* const intoRecords = "Will not write into the folder of the records";
    const struct {
        QStringList arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"--export-pdf", "vesk", "Site B"}, ExitUsage, "Usage:"},
        {{"--export-pdf", "vex", "Site B", x}, ExitUsage, "Unknown family \"vex\""},
        {{"--export-pdf", "--language", "fr", "vesk", "Site B", x}, ExitUsage, "Unknown language"},
        {{"--export-pdf", "--bogus", "vesk", "Site B", x}, ExitUsage, "Unknown option"},
        {{"--export-pdf", "vesk", "Site C", x}, ExitFailed, "No report named \"Site C\""},
        {{"--export-pdf", "oru", "Site B", x}, ExitFailed, "Cannot read the workspace index"},
        {{"--export-pdf", "vesk", "Site B", nowhere}, ExitFailed, "Cannot write"},
        {{"--export-pdf", "vesk", "Site B", ini}, ExitFailed, intoRecords},
        {{"--export-pdf", "vesk", "--all", records}, ExitFailed, intoRecords},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message)) && out.isEmpty())
            << err.toStdString();
    }
    EXPECT_FALSE(fs::exists(dir.path() / "x.pdf"));
    EXPECT_EQ(testing::ReadFile(DataPath("VESK/12052026-040113AM.doc")), "{\\rtf1}");

    char name[] = "orvane-reporter", flag[] = "--export-pdf", other[] = "-style";
    char* withFlag[] = {name, other, flag};
    EXPECT_TRUE(IsCommandLineRun(3, withFlag));
    EXPECT_FALSE(IsCommandLineRun(2, withFlag)) << "other arguments open the window as before";
}

TEST_F(ReportExportTest, WindowExportsTheSelectedLinesReportInItsLanguage) {
    if (!testing::HasPoppler())
        GTEST_SKIP() << "poppler tools are not installed";
    MainWindow& window = Started();
    ChooseLanguage(window, &LanguageDialog::Option2);
    Connect(window); // loads the index

    WindowContext ctx{run->ws,        run->win,       run->services, run->settings, run->port,
                      run->clipboard, run->imgScreen, run->imgTemp,  run->launcher, run->filer};
    for (const auto& [line, report] : std::initializer_list<std::pair<int, const char*>>{
             {0, "Site \xc4"}, {1, "Site B"}, {-1, "Site B"}}) {
        run->win.ListIndex = line;
        ASSERT_TRUE(ExportReportPdfTo(ctx, Pdf("window.pdf")));
        const QString text = Text(Pdf("window.pdf"));
        EXPECT_TRUE(text.startsWith(FromCp1252(report))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Techniker:")));
    }
    EXPECT_FALSE(ExportReportPdfTo(ctx, Pdf("no/such/folder/x.pdf")));
    ASSERT_EQ(run->dialogs.messages.size(), 1u);
    EXPECT_EQ(run->dialogs.messages[0].rfind("Can't write the file ", 0), 0u);
}

} // namespace
} // namespace orvane::ui_testing
