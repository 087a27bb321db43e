// A picture document must open in the word processor that stands in for Word.

#include "output/picture_document.h"
#include "platform/qt_picture_surface.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orvane {
namespace {

TEST(PictureDocumentInOffice, LibreOfficeShowsThePicture) {
    ASSERT_TRUE(testing::EnsureQtApplication());
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (soffice.isEmpty() || pdfimages.isEmpty())
        GTEST_SKIP() << "LibreOffice or pdfimages is not installed";

    QtPictureSurface surface;
    for (int x = 0; x < 537; ++x)
        surface.SetPixel(x, 200 + x / 4, true);
    surface.Print("GRAPH");
    testing::TempDir dir;
    testing::WriteFile(dir.path() / "graph.doc", MakePictureDocument(surface.Image()));
    const QString folder = QString::fromStdString(dir.str());

    QProcess convert;
    convert.start(soffice, {"-env:UserInstallation=file://" + folder + "/profile", "--headless",
                            "--convert-to", "pdf", "--outdir", folder, folder + "/graph.doc"});
    ASSERT_TRUE(convert.waitForFinished(300000)) << "LibreOffice did not finish";
    QProcess list;
    list.start(pdfimages, {"-list", folder + "/graph.pdf"});
    ASSERT_TRUE(list.waitForFinished(60000));
    const QString images = QString::fromUtf8(list.readAllStandardOutput());
    EXPECT_TRUE(images.contains(QRegularExpression(QStringLiteral("\\s537\\s+1000\\s"))))
        << images.toStdString() << convert.readAllStandardError().toStdString();
}

} // namespace
} // namespace orvane
