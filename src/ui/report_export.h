#pragma once
// File > Export Report as PDF, Print Report and Export Picture: the whole report of the
// current list line as one document, on paper or in a PDF file, and the shown picture as a
// PNG file.

#include "output/report_document.h"
#include "output/report_layout.h"
#include "ui/window_context.h"

#include <QString>

#include <cstdint>

class QPrinter;
class QWidget;

namespace orvane {

// The document's words in `language` (1 English, 2 German), header labels as the window's.
ReportTexts ReportTextsOf(std::int16_t language);

// The document of report `r`, naming the family of ws.TypeOfTarget.
ReportDocument ReportDocumentOf(const Workspace& ws, int r, FileSystem& files);

// Asks where to put the PDF of the current line's report (proposing "<report name>.pdf" in
// the data root, asking before replacing a file) and writes it.
void ExportReportPdf(const WindowContext& ctx, QWidget* parent);
// Writes the PDF of the current line's report at `path`; the user is told when it could not
// be written. False when there is no report or the file was not written.
bool ExportReportPdfTo(const WindowContext& ctx, const QString& path);

// The same pages on a printer chosen in the print dialog. Without a printer, or when the job
// fails, the user is told " Please install a printer! ".
void PrintReport(const WindowContext& ctx, QPrinter& printer, QWidget* parent);
bool PrintReportOn(const WindowContext& ctx, QPrinter& printer);

// Asks for a path and writes the shown picture there as a 1-bit PNG; nothing happens when
// no picture is shown.
void ExportPicture(const WindowContext& ctx, QWidget* parent);

} // namespace orvane
