#pragma once
// Reads PDF files back with Poppler's command-line tools (poppler-utils).

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace orvane::testing {

inline bool HasPoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty();
}

// The tool's standard output; a failing run fails the test.
inline QByteArray Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(120000) && process.exitCode() == 0)
        << tool.toStdString() << " " << arguments.join(' ').toStdString();
    return process.readAllStandardOutput();
}

// The text of each page, lines as laid out.
inline QStringList PdfPages(const QString& pdf) {
    return QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}))
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// One entry of pdfinfo, e.g. "Pages" or "Title".
inline QString PdfInfo(const QString& pdf, const QString& key) {
    const QString info = QString::fromUtf8(Poppler(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpression line(QStringLiteral("^%1:[ \\t]*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

// The images the PDF stores, in order, as they are stored, and `pdfimages -list` lines.
inline std::vector<QImage> PdfImages(const QString& pdf, const QString& folder) {
    Poppler(QStringLiteral("pdfimages"), {"-png", pdf, folder + "/img"});
    std::vector<QImage> images;
    for (const QString& name : QDir(folder).entryList({"img-*.png"}, QDir::Files, QDir::Name))
        images.emplace_back(QDir(folder).filePath(name));
    return images;
}

inline QStringList PdfImageList(const QString& pdf) {
    QStringList lines =
        QString::fromUtf8(Poppler(QStringLiteral("pdfimages"), {"-list", pdf})).split('\n');
    return lines.mid(2).filter(QRegularExpression(QStringLiteral("\\S")));
}

} // namespace orvane::testing
