// A picture document must open in the word processor that stands in for Word.

#include "output/picture_document.h"
#include "platform/qt_picture_surface.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <filesystem>

namespace orvane {
namespace {

using testing::TempDir;
using testing::WriteFile;

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
    TempDir dir;
    WriteFile(dir.path() / "graph.doc", MakePictureDocument(surface.Image()));

    QProcess convert;
    convert.setWorkingDirectory(QString::fromStdString(dir.str()));
    convert.start(soffice,
                  {"-env:UserInstallation=file://" + QString::fromStdString(dir.str()) + "/profile",
                   "--headless", "--convert-to", "pdf", "--outdir",
                   QString::fromStdString(dir.str()),
                   QString::fromStdString((dir.path() / "graph.doc").string())});
    ASSERT_TRUE(convert.waitForFinished(300000)) << "LibreOffice did not finish";
    ASSERT_TRUE(std::filesystem::exists(dir.path() / "graph.pdf"))
        << convert.readAllStandardError().toStdString();

    QProcess list;
    list.start(pdfimages, {"-list", QString::fromStdString((dir.path() / "graph.pdf").string())});
    ASSERT_TRUE(list.waitForFinished(60000));
    const QString images = QString::fromUtf8(list.readAllStandardOutput());
    EXPECT_TRUE(images.contains(QRegularExpression(QStringLiteral("\\s537\\s+1000\\s"))))
        << images.toStdString();
}

} // namespace
} // namespace orvane
