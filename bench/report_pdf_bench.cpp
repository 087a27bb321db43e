// A full report to PDF: 50 records, 25 text screens and 25 graphs of 537 x 1000 dots, read
// from their files on the real disk and written as one PDF file. Reports the file's size.

#include "output/picture_document.h"
#include "output/report_document.h"
#include "platform/png_codec.h"
#include "platform/report_rendering.h"
#include "workspace/disk_file_system.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace orvane {
namespace {

QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "orvane-benchmarks";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

// A graph as a test set draws it: a frame, grid dots, a curve and a caption line.
QImage GraphPicture(int seed) {
    QImage image(537, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawRect(20, 40, 500, 900);
    for (int y = 40; y < 940; y += 45)
        for (int x = 20; x < 520; x += 5)
            image.setPixel(x, y, qRgb(0, 0, 0));
    QPointF last(20, 490);
    for (int x = 21; x < 520; ++x) {
        const QPointF next(x, 490 - 400 * std::sin((x + seed * 17) / 23.0) * std::exp(-x / 400.0));
        painter.drawLine(last, next);
        last = next;
    }
    painter.drawText(24, 30, QStringLiteral("SPECTRUM %1  -12.5 dBm").arg(seed));
    return image;
}

std::string ScreenText(int seed) {
    std::string text;
    for (int line = 0; line < 24; ++line)
        text += "CH " + std::to_string((seed + line) % 97) + "  LEVEL -" +
                std::to_string(line % 40) + ".5 dBm  FREQ 1" + std::to_string(seed) + " kHz\r\n";
    return text;
}

class FullReport {
  public:
    FullReport() : dir_(std::filesystem::temp_directory_path() / "orvane-report-pdf-bench") {
        std::filesystem::create_directories(dir_);
        ws_.ReportCount = 1;
        ws_.ReportState[1] = ReportClosed;
        ws_.ReportName[1] = "WORKSPACE_12052026-034512AM";
        ws_.ReportField[1] = {"", "Acme Telecom", "J. Smith", "4711", "Site B, cable 3"};
        for (int n = 1; n <= MaxRecords; ++n) {
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "12052026-03%02d%02dAM", n / 60, n % 60);
            const bool graph = n % 2 == 0;
            ws_.RecordCount[1] = static_cast<std::int16_t>(n);
            ws_.RecordType[1][n] = graph ? KindGraph : KindRecord;
            ws_.RecordLabel[1][n] = std::string(graph ? "   GRAPH:    " : "   RECORD:  ") + stamp;
            ws_.RecordPath[1][n] =
                (dir_ / (std::string(stamp) + (graph ? ".doc" : ".txt"))).string();
            if (graph)
                files_.Write(ws_.RecordPath[1][n], MakePictureDocument(EncodePng(GraphPicture(n))));
            else
                ws_.RecordText[1][n] = ScreenText(n);
        }
    }
    ~FullReport() { std::filesystem::remove_all(dir_); }

    // Returns the PDF's size in bytes.
    std::uintmax_t WritePdf() {
        const std::filesystem::path pdf = dir_ / "report.pdf";
        const ReportDocument doc = BuildReportDocument(ws_, 1, files_, "Orvane VeskM/Vesk");
        WriteReportPdf(QString::fromStdString(pdf.string()), doc,
                       ReportTextsFor(1, {"Company", "Technician", "Ticket/Order", "Comments"}),
                       QPageSize(QPageSize::A4));
        return std::filesystem::file_size(pdf);
    }

  private:
    std::filesystem::path dir_;
    DiskFileSystem files_;
    Workspace ws_;
};

void BM_FullReportToPdf(benchmark::State& state) {
    Application();
    FullReport report;
    std::uintmax_t bytes = 0;
    for (auto _ : state)
        bytes = report.WritePdf();
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FullReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane
