#pragma once
// Draws the pages of a report's document on a paged device. A PDF file and a printer get the
// same pages from the same code; pictures go on paper as 1-bit images, dot for dot.

#include "output/report_document.h"
#include "output/report_layout.h"

#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>

namespace orvane {

// The paper of the locale: Letter in the Americas that use it, A4 elsewhere.
QPageSize LocalePageSize(const QLocale& locale = QLocale());

// Lays out `doc` for the printable area of `device` and draws every page. False when
// painting could not start or the device failed.
bool RenderReport(QPagedPaintDevice& device, const ReportDocument& doc, const ReportTexts& texts);

// The PDF at `path`, titled with the report's name. False when it could not be written.
bool WriteReportPdf(const QString& path, const ReportDocument& doc, const ReportTexts& texts,
                    const QPageSize& paper = LocalePageSize());

// A picture reduced to its dots: 1 bit per dot, dark dots black, everything else white.
QImage OneBitPicture(const QImage& picture);

// The picture as a 1-bit PNG at `path`. False when it could not be written.
bool WritePicturePng(const QImage& picture, const QString& path);

} // namespace orvane
