#include "ui/report_export.h"

#include "output/output_messages.h"
#include "platform/cp1252.h"
#include "platform/report_rendering.h"
#include "ui/logic/language.h"
#include "ui/logic/target_selection.h"
#include "workspace/data_paths.h"

#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace orvane {
namespace {

QString LocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

int CurrentReport(const WindowContext& ctx) {
    return ReportOfLine(ctx.ws, ctx.win.ListIndex);
}

// A save dialog that adds `suffix` to a name typed without one and asks before replacing a
// file; empty when cancelled.
QString AskSavePath(QWidget* parent, const QString& title, const QString& proposed,
                    const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

ReportDocument CurrentDocument(const WindowContext& ctx) {
    return ReportDocumentOf(ctx.ws, CurrentReport(ctx), ctx.services.files);
}

} // namespace

ReportTexts ReportTextsOf(std::int16_t language) {
    const int index = language == 2 ? 1 : 0;
    return ReportTextsFor(language, HeaderLabelTexts[index]);
}

ReportDocument ReportDocumentOf(const Workspace& ws, int r, FileSystem& files) {
    const TargetFamily* family = FindTargetFamily(ws.TypeOfTarget);
    return BuildReportDocument(ws, r, files,
                               family ? std::string(family->optionCaption) : std::string{});
}

void ExportReportPdf(const WindowContext& ctx, QWidget* parent) {
    const int r = CurrentReport(ctx);
    if (r == 0)
        return;
    const QString proposed =
        LocalPath(JoinPath(ctx.services.dataRoot, ReportPdfFileName(ctx.ws.ReportName[r])));
    const QString chosen = AskSavePath(parent, QStringLiteral("Export Report as PDF"), proposed,
                                       QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!chosen.isEmpty())
        ExportReportPdfTo(ctx, chosen);
}

bool ExportReportPdfTo(const WindowContext& ctx, const QString& path) {
    if (CurrentReport(ctx) == 0)
        return false;
    if (WriteReportPdf(path, CurrentDocument(ctx), ReportTextsOf(ctx.ws.Language)))
        return true;
    ctx.services.dialogs.Message(CantWriteMessage(QFile::encodeName(path).toStdString()));
    return false;
}

void PrintReport(const WindowContext& ctx, QPrinter& printer, QWidget* parent) {
    if (CurrentReport(ctx) == 0)
        return;
    if (!printer.isValid()) {
        ctx.services.dialogs.Message(PrinterMessage);
        return;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        PrintReportOn(ctx, printer);
}

bool PrintReportOn(const WindowContext& ctx, QPrinter& printer) {
    if (CurrentReport(ctx) == 0)
        return false;
    const ReportDocument doc = CurrentDocument(ctx);
    printer.setDocName(FromCp1252(doc.name));
    const bool printed = printer.isValid() &&
                         RenderReport(printer, doc, ReportTextsOf(ctx.ws.Language)) &&
                         printer.printerState() != QPrinter::Error;
    if (!printed)
        ctx.services.dialogs.Message(PrinterMessage);
    return printed;
}

void ExportPicture(const WindowContext& ctx, QWidget* parent) {
    if (!ctx.win.imgScreenVisible)
        return;
    // A snapshot: the picture must not change while the dialog is open.
    const QImage picture = ctx.imgTemp.Picture().copy();
    const QString chosen = AskSavePath(parent, QStringLiteral("Export Picture"),
                                       LocalPath(JoinPath(ctx.services.dataRoot, "picture.png")),
                                       QStringLiteral("PNG (*.png)"), QStringLiteral("png"));
    if (!chosen.isEmpty() && !WritePicturePng(picture, chosen))
        ctx.services.dialogs.Message(CantWriteMessage(QFile::encodeName(chosen).toStdString()));
}

} // namespace orvane
