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
#include "support/qt_application.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace orvane {
namespace {

using testing::ReadFile;

using Row = std::vector<std::string>;

// The lines of a text in UTF-8, without a byte order mark and without the empty lines at its
// end.
Row Lines(QString text) {
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Row lines;
    for (const QString& line :
         text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n'))
        lines.push_back(line.toStdString());
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The cells of each line, without the empty cells at a line's end (the exported table has
// no comma or quote, so the comma-separated converted table needs no unquoting).
std::vector<Row> Cells(const QString& text, char separator) {
    std::vector<Row> rows;
    for (const std::string& line : Lines(text)) {
        Row cells;
        for (const QString& cell : QString::fromStdString(line).split(QChar(separator)))
            cells.push_back(cell.toStdString());
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
    }
    return rows;
}

QImage Graph() {
    QtPictureSurface surface;
    for (int x = 0; x < QtPictureSurface::DefaultWidth; ++x)
        surface.SetPixel(x, 200 + x / 4, true);
    surface.Print("GRAPH -12.5 dB");
    return surface.Picture().copy();
}

class OfficeRoundTripTest : public testing::OutputCommandTest {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }
    void SetUp() override {
        if (office.isEmpty())
            GTEST_SKIP() << "LibreOffice is not installed (no soffice or libreoffice program)";
    }

    // Has LibreOffice convert `file`, opened as the launcher opens a file of its kind, into
    // `format` ("extension:filter"); the converted file's text.
    std::string Convert(OfficeFile kind, const std::string& file, const QString& format) {
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
        return QFileInfo::exists(converted) ? ReadFile(converted.toStdString()) : std::string();
    }

    // The first picture of a PDF file, as pdfimages extracts it.
    QImage PictureOf(const std::string& pdf) {
        const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
        if (pdfimages.isEmpty()) {
            ADD_FAILURE() << "pdfimages (poppler-utils) is not installed";
            return {};
        }
        const QString prefix = QString::fromStdString(DirFile("image"));
        testing::WriteFile(DirFile("picture.pdf"), pdf);
        QProcess extract;
        extract.start(pdfimages, {QStringLiteral("-png"),
                                  QString::fromStdString(DirFile("picture.pdf")), prefix});
        extract.waitForFinished(60000); // a guard against hangs
        return QImage(prefix + "-000.png");
    }

    QString office = QtLauncher().OfficeProgram();
};

TEST_F(OfficeRoundTripTest, TheSpreadsheetShowsOneCellPerFieldAndEveryCharacter) {
    ws.ReportField[2] = {"", "M\xfcller  GmbH", "J. Doe", "T-42", ""};
    win.Text1.Set("LEVEL   -12.5  dB\r\nTEMP 23 \xb0"
                  "C\r\n  lead\ttab\r\n");
    const std::string table = mnuExportToExcel_Click(ws, win, services, launcher);
    ASSERT_EQ(launcher.spreadsheetFiles, testing::Messages{table});

    const std::string csv = Convert(OfficeFile::Table, table,
                                    QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"));
    const auto cells = Cells(QString::fromUtf8(csv), ',');
    EXPECT_EQ(cells, Cells(FromCp1252(ReadFile(table)), '\t'));
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[0], Row({"Company:", "M\u00fcller", "GmbH"}));
    EXPECT_EQ(cells[5], Row({"TEMP", "23", "\u00b0C"}));
}

TEST_F(OfficeRoundTripTest, TheWordProcessorReadsEveryCharacterOfAnExportedText) {
    ws.ReportField[2] = {"", "M\xfcller GmbH", "J. Doe", "T-42", ""};
    win.Text1.Set("Sch\xf6ne Gr\xfc\xdf"
                  "e\r\nTEMP  23 \xb0"
                  "C\r\n");
    const std::string file = mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    ASSERT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::Text});

    const Row lines = Lines(QString::fromUtf8(
        Convert(launcher.wordProcessorKinds[0], file, QStringLiteral("txt:Text (encoded):UTF8"))));
    EXPECT_EQ(lines, Lines(FromCp1252(ReadFile(file))));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Company: M\u00fcller GmbH");
    EXPECT_EQ(lines[5], "Sch\u00f6ne Gr\u00fc\u00dfe");
}

TEST_F(OfficeRoundTripTest, TheWordProcessorShowsEveryDotOfASavedOrExportedPicture) {
    const QImage graph = Graph();
    QtPictureSurface surface;
    surface.SetPicture(graph);
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    mnuSave_Click(ws, win, services, clipboard, surface, DirFile("saved"));
    const std::string exported =
        mnuExportToWord_Click(ws, win, services, clipboard, surface, launcher);
    ASSERT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::PictureDocument});

    for (const std::string& document : {DirFile("saved.doc"), exported}) {
        SCOPED_TRACE(document);
        const QImage shown =
            PictureOf(Convert(launcher.wordProcessorKinds[0], document, QStringLiteral("pdf")));
        ASSERT_EQ(shown.size(), graph.size());
        int differing = 0;
        for (int y = 0; y < graph.height(); ++y) {
            for (int x = 0; x < graph.width(); ++x)
                differing += (qGray(shown.pixel(x, y)) < 128) != (qGray(graph.pixel(x, y)) < 128);
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
} // namespace orvane
