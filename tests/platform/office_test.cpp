// The office programs: how the launcher starts them, and that what the program hands to them
// is read back right: each export is converted by LibreOffice, started with the arguments the
// launcher gives it plus a headless conversion, and the cells, characters and picture dots of
// the result are compared with what was exported.

#include "output/excel_export.h"
#include "output/output_command_test.h"
#include "output/save.h"
#include "output/word_export.h"
#include "platform/cp1252.h"
#include "platform/office_arguments.h"
#include "platform/qt_launcher.h"
#include "platform/qt_picture_surface.h"
#include "support/poppler.h"
#include "support/qt_application.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <thread>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;

// The cells of each line in UTF-8, without a byte order mark, the empty cells at a line's end
// and the empty lines at the end (the exports hold no comma or quote, so the comma-separated
// converted table needs no unquoting).
std::vector<Row> Cells(QString text, char separator) {
    std::vector<Row> rows;
    for (const QString& line : text.remove(QChar(0xFEFF)).remove('\r').split('\n')) {
        rows.emplace_back();
        for (const QString& cell : line.split(QChar(separator)))
            rows.back().push_back(cell.toStdString());
        while (!rows.back().empty() && rows.back().back().empty())
            rows.back().pop_back();
    }
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    return rows;
}

class OfficeRoundTripTest : public testing::OutputCommandTest {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    void SetUp() override {
        if (office.isEmpty())
            GTEST_SKIP() << "LibreOffice is not installed (no soffice or libreoffice program)";
    }

    // Has LibreOffice convert `file`, opened as the launcher opens a file of its kind, into
    // `format` ("extension:filter"); the converted file.
    QString Convert(OfficeFile kind, const std::string& file, const QString& format) {
        const QString out = QString::fromStdString(DirFile("converted"));
        // A profile of its own, so parallel runs never meet in one LibreOffice.
        const QString profile = QString::fromStdString("file://" + DirFile("profile"));
        QProcess soffice;
        soffice.start(office, QStringList{"-env:UserInstallation=" + profile, "--headless",
                                          "--convert-to", format, "--outdir", out} +
                                  OfficeArguments(kind, QString::fromStdString(file)));
        soffice.waitForFinished(300000); // a guard against hangs
        const QString converted = out + "/" + QFileInfo(QString::fromStdString(file)).baseName() +
                                  "." + format.section(':', 0, 0);
        EXPECT_TRUE(QFileInfo::exists(converted)) << soffice.readAllStandardError().toStdString();
        return converted;
    }

    QString office = QtLauncher().OfficeProgram();
};

TEST_F(OfficeRoundTripTest, EveryCellCharacterAndDotOfEachExportIsReadBack) {
    ws.ReportField[2] = {"", "M\xfcller  GmbH", "J. Doe", "T-42", ""};
    win.Text1.Set("Sch\xf6ner Fu\xdf\r\nTIME  23 \xb5s\r\n  lead\ttab\r\n");
    const std::string table = mnuExportToExcel_Click(ws, win, services, launcher);
    const std::string text = mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    // The converted file holds the exported cells (split at `exported`, or `converted` there),
    // among them the row `shown`.
    const auto expectSame = [&](OfficeFile kind, const std::string& file, const QString& format,
                                char exported, char converted, const Row& shown) {
        const std::string bytes = testing::ReadFile(Convert(kind, file, format).toStdString());
        const std::vector<Row> rows = Cells(QString::fromUtf8(bytes), converted);
        EXPECT_EQ(rows, Cells(FromCp1252(testing::ReadFile(file)), exported)) << file;
        EXPECT_NE(std::ranges::find(rows, shown), rows.end()) << file << ": " << shown[0];
    };
    expectSame(OfficeFile::Table, table, "csv:Text - txt - csv (StarCalc):44,34,76", '\t', ',',
               {"Company:", "M\u00fcller", "GmbH"});
    expectSame(OfficeFile::Text, text, "txt:Text (encoded):UTF8", '\n', '\n',
               {"Sch\u00f6ner Fu\u00df"});

    // A graph, saved and exported as a picture document.
    QtPictureSurface surface;
    for (int x = 0; x < QtPictureSurface::DefaultWidth; ++x)
        surface.SetPixel(x, 200 + x / 4, true);
    surface.Print("GRAPH -12.5 dB");
    const QImage graph = surface.Picture().copy();
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    mnuSave_Click(ws, win, services, clipboard, surface, DirFile("saved"));
    const std::string picture =
        mnuExportToWord_Click(ws, win, services, clipboard, surface, launcher);
    for (const std::string& document : {DirFile("saved.doc"), picture}) {
        SCOPED_TRACE(document);
        const QString images = QString::fromStdString(document + "-images");
        QDir().mkpath(images);
        const std::vector<QImage> shown = testing::PdfImages(
            Convert(OfficeFile::PictureDocument, document, QStringLiteral("pdf")), images);
        ASSERT_EQ(shown.size(), 1u);
        ASSERT_EQ(shown[0].size(), graph.size());
        int differing = 0;
        for (int y = 0; y < graph.height(); ++y)
            for (int x = 0; x < graph.width(); ++x)
                differing +=
                    (qGray(shown[0].pixel(x, y)) < 128) != (qGray(graph.pixel(x, y)) < 128);
        EXPECT_EQ(differing, 0);
    }
}

// The launcher looks the office programs up once, as it is made, here in a search path of
// the test's own, where each writes its name and arguments, one a line, to `args`.
TEST(LauncherTest, PrefersLibreOfficeAndStartsItWithTheSpreadsheetImportFilter) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const testing::TempDir dir;
    const fs::path bin = dir.path() / "bin";
    const std::string args = (dir.path() / "args").string();
    fs::create_directory(bin);
    for (const std::string name : {"soffice", "libreoffice"}) {
        testing::WriteFile(bin / name, "#!/bin/sh\nprintf '%s\\n' " + name + " \"$@\" > '" + args +
                                           ".tmp' && mv '" + args + ".tmp' '" + args + "'\n");
        fs::permissions(bin / name, fs::perms::owner_all);
    }
    QtLauncher launcher({QString::fromStdString(bin.string())});
    EXPECT_EQ(launcher.OfficeProgram().toStdString(), (bin / "libreoffice").string())
        << "libreoffice is preferred";
    EXPECT_TRUE(launcher.HasSpreadsheet() &&
                launcher.OpenInSpreadsheet("/data/PLX/with blank.xls"));
    for (int i = 0; i < 600 && !fs::exists(args); ++i) // until the detached program has run
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(testing::ReadFile(args), "libreoffice\n--calc\n--infilter=Text - txt - csv "
                                       "(StarCalc):9,34,1\n/data/PLX/with blank.xls\n")
        << "a blank stays inside the one argument";
}

} // namespace
} // namespace orvane
