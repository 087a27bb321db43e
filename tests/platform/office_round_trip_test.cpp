// What the program hands to an office program is read back right by that program: each
// export is converted by LibreOffice, started with the arguments the launcher gives it plus
// a headless conversion, and the cells, characters and picture dots of the result are
// compared with what was exported.

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
#include <QUrl>

#include <algorithm>

namespace orvane {
namespace {

using Row = std::vector<std::string>;

// The cells of each line in UTF-8, without a byte order mark, the empty cells at a line's end
// and the empty lines at the end (the exports hold no comma or quote, so the comma-separated
// converted table needs no unquoting).
std::vector<Row> Cells(QString text, char separator) {
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<Row> rows;
    for (const QString& line :
         text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n')) {
        Row cells;
        for (const QString& cell : line.split(QChar(separator)))
            cells.push_back(cell.toStdString());
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
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
        const QString outDir = QString::fromStdString(DirFile("converted"));
        // A profile of its own, so parallel runs never meet in one LibreOffice.
        const QString profile =
            QUrl::fromLocalFile(QString::fromStdString(DirFile("profile"))).toString();
        QStringList arguments{"-env:UserInstallation=" + profile, QStringLiteral("--headless"),
                              QStringLiteral("--convert-to"),     format,
                              QStringLiteral("--outdir"),         outDir};
        arguments += OfficeArguments(kind, QString::fromStdString(file));
        QProcess soffice;
        soffice.start(office, arguments);
        const bool finished = soffice.waitForFinished(300000); // a guard against hangs
        const QString converted = outDir + "/" +
                                  QFileInfo(QString::fromStdString(file)).baseName() + "." +
                                  format.section(':', 0, 0);
        EXPECT_TRUE(finished && QFileInfo::exists(converted))
            << soffice.readAllStandardError().toStdString();
        return converted;
    }

    QString office = QtLauncher().OfficeProgram();
};

TEST_F(OfficeRoundTripTest, EveryCellCharacterAndDotOfEachExportIsReadBack) {
    ws.ReportField[2] = {"", "M\xfcller  GmbH", "J. Doe", "T-42", ""};
    win.Text1.Set("Sch\xf6ne Gr\xfc\xdf"
                  "e\r\nTEMP  23 \xb0"
                  "C\r\n  lead\ttab\r\n");
    const std::string table = mnuExportToExcel_Click(ws, win, services, launcher);
    const std::string text = mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    const struct {
        OfficeFile kind;
        std::string file;
        QString format;
        char exported, converted; // the separators of cells
        std::vector<Row> shown;
    } texts[] = {
        {OfficeFile::Table,
         table,
         "csv:Text - txt - csv (StarCalc):44,34,76",
         '\t',
         ',',
         {{"Company:", "M\u00fcller", "GmbH"},
          {"Sch\u00f6ne", "Gr\u00fc\u00dfe"},
          {"TEMP", "23", "\u00b0C"}}},
        {OfficeFile::Text,
         text,
         "txt:Text (encoded):UTF8",
         '\n',
         '\n',
         {{"Company: M\u00fcller  GmbH"}, {"Sch\u00f6ne Gr\u00fc\u00dfe"}, {"TEMP  23 \u00b0C"}}},
    };
    ASSERT_EQ(launcher.spreadsheetFiles, testing::Messages{table});
    ASSERT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::Text});
    for (const auto& t : texts) {
        SCOPED_TRACE(t.file);
        const auto rows = Cells(
            QString::fromUtf8(testing::ReadFile(Convert(t.kind, t.file, t.format).toStdString())),
            t.converted);
        EXPECT_EQ(rows, Cells(FromCp1252(testing::ReadFile(t.file)), t.exported));
        for (const Row& row : t.shown)
            EXPECT_NE(std::ranges::find(rows, row), rows.end()) << row[0];
    }

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
    ASSERT_EQ(launcher.wordProcessorKinds.back(), OfficeFile::PictureDocument);
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

} // namespace
} // namespace orvane
