// The record list under the mouse and the record view: double clicks open and fold reports
// and open records; the opened text record takes the user's edits until the list is used.

#include "window_fixture.h"

#include "output/picture_document.h"
#include "platform/png_codec.h"

#include <QImage>

namespace orvane::window_testing {
namespace {

class RecordViewTest : public WindowTest {
  protected:
    RecordViewTest() : window(Started()) {
        r1 = AddReport("WORKSPACE_12052026-010000AM");
        AddRecord(r1, KindRecord, "   RECORD:12052026-010100AM\r\nLEVEL -12 dB",
                  "12052026-010100AM");
        AddRecord(r1, KindRecord, "   RECORD:12052026-010200AM\r\nLOSS 3 dB", "12052026-010200AM");
        r2 = AddReport("WORKSPACE_12052026-020000AM");
        window.Render();
    }

    MainWindow& window;
    int r1 = 0;
    int r2 = 0;
};

TEST_F(RecordViewTest, DoubleClickOpensAndFoldsAReport) {
    DoubleClickLine(window, 0);
    EXPECT_EQ(ListLines(window),
              (QStringList{"WORKSPACE_12052026-010000AM", "   RECORD:  12052026-010100AM",
                           "   RECORD:  12052026-010200AM", "WORKSPACE_12052026-020000AM"}));
    EXPECT_EQ(run->ws.ReportState[r1], ReportOpen);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane Reporter"));

    DoubleClickLine(window, 0);
    EXPECT_EQ(ListLines(window),
              (QStringList{"WORKSPACE_12052026-010000AM", "WORKSPACE_12052026-020000AM"}));
    EXPECT_EQ(run->ws.ReportState[r1], ReportClosed);
}

TEST_F(RecordViewTest, DoubleClickOnARecordShowsItWithItsReport) {
    DoubleClickLine(window, 0);
    DoubleClickLine(window, 2);
    EXPECT_EQ(window.Frame2()->Text1()->toPlainText(),
              QStringLiteral("   RECORD:12052026-010200AM\nLOSS 3 dB"));
    EXPECT_EQ(window.Frame2()->title(), QStringLiteral("   RECORD:  12052026-010200AM"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kavrel::WORKSPACE_12052026-010000AM"));
    EXPECT_EQ(window.Frame3()->Boxes()[0]->text(),
              QStringLiteral("WORKSPACE_12052026-010000AM field 1"));
    EXPECT_EQ(window.Frame3()->Boxes()[3]->text(),
              QStringLiteral("WORKSPACE_12052026-010000AM field 4"));
    EXPECT_EQ(window.List1()->currentRow(), 2);
}

TEST_F(RecordViewTest, TypingChangesTheOpenedRecordUntilTheListIsClicked) {
    DoubleClickLine(window, 0);
    DoubleClickLine(window, 1);
    TextBoxView* text1 = window.Frame2()->Text1();
    text1->moveCursor(QTextCursor::End);
    QTest::keyClicks(text1, QStringLiteral(" OK"));
    QTest::keyClick(text1, Qt::Key_Return);
    Type(text1, QStringLiteral("\u00b0C"));
    EXPECT_EQ(run->ws.RecordText[r1][1], "   RECORD:12052026-010100AM\r\nLEVEL -12 dB OK\r\n\xB0"
                                         "C");

    ClickLine(window, 2);
    QTest::keyClicks(text1, QStringLiteral("XYZ"));
    EXPECT_EQ(run->ws.RecordText[r1][1], "   RECORD:12052026-010100AM\r\nLEVEL -12 dB OK\r\n\xB0"
                                         "C");
    EXPECT_EQ(run->ws.RecordText[r1][2], "   RECORD:12052026-010200AM\r\nLOSS 3 dB");
}

TEST_F(RecordViewTest, AnEditReachesTheRecordFileShortlyAfterTheLastKeystroke) {
    run->ws.Loaded = true;
    run->ws.LoadedTargetDir = run->ws.TargetDir;
    DoubleClickLine(window, 0);
    DoubleClickLine(window, 1);
    QTest::keyClicks(window.Frame2()->Text1(), QStringLiteral("EDIT"));
    const std::filesystem::path file = run->ws.RecordPath[r1][1];
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return testing::ReadFile(file).find("EDIT") != std::string::npos; }, 10000));
}

TEST_F(RecordViewTest, RightClickPopsTheMenuForTheLineCurrentBefore) {
    ClickLine(window, 0);
    QMenu* menu = window.Menus().mnuContextMenu;
    ClickLine(window, 1, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(window.List1()->currentRow(), 0);
    EXPECT_EQ(run->ws.ListSelection, 0);
}

TEST_F(RecordViewTest, ContextOpenShowsTheCurrentRecord) {
    DoubleClickLine(window, 0);
    ClickLine(window, 2);
    window.Menus().mnuRecordOpen->trigger();
    EXPECT_EQ(window.Frame2()->Text1()->toPlainText(),
              QStringLiteral("   RECORD:12052026-010200AM\nLOSS 3 dB"));
}

TEST_F(RecordViewTest, ContextDeleteRemovesTheRecordAfterConfirmation) {
    DoubleClickLine(window, 0);
    ClickLine(window, 1);
    run->dialogs.answers = {false};
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(window.List1()->count(), 4);
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(run->dialogs.confirmations.back(), "Are you sure you want to remove the Record?");
    EXPECT_EQ(ListLines(window),
              (QStringList{"WORKSPACE_12052026-010000AM", "   RECORD:  12052026-010200AM",
                           "WORKSPACE_12052026-020000AM"}));
}

TEST_F(RecordViewTest, RenameActsOnTheLineSelectedAtOk) {
    window.Menus().mnuRecordRename->trigger();
    ASSERT_NE(window.Form5(), nullptr);
    EXPECT_TRUE(window.Form5()->isVisible());
    EXPECT_FALSE(window.Form5()->isModal());
    ClickLine(window, 1); // the list stays usable while the dialog is open
    auto* box = window.Form5()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(box, QStringLiteral("ABCDEFGHIJKLMNOP"));
    window.Form5()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(ListLines(window), (QStringList{"WORKSPACE_12052026-010000AM", "ABCDEFGHIJKLMNOP"}));
    EXPECT_FALSE(window.Form5()->isVisible());
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(RecordViewTest, GraphRecordShowsItsPictureAndScrolls) {
    // A 3 x 20 picture: column 0 black from row 2 down, the rest white.
    QImage picture(3, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 2; y < 20; ++y)
        picture.setPixel(0, y, qRgb(0, 0, 0));
    const int n = AddRecord(r2, KindGraph, "", "12052026-020100AM");
    std::filesystem::create_directories(DataPath("VESK"));
    testing::WriteFile(run->ws.RecordPath[r2][n], MakePictureDocument(EncodePng(picture)));

    DoubleClickLine(window, 1);
    DoubleClickLine(window, 2);
    GraphView* view = window.Frame2()->imgScreen();
    ASSERT_TRUE(view->isVisible());
    EXPECT_TRUE(window.Frame2()->scrGraphic()->isVisible());
    EXPECT_FALSE(window.Frame2()->Text1()->isVisible());
    EXPECT_EQ(view->grab().toImage().pixel(0, 2), qRgb(0, 0, 0));
    EXPECT_EQ(view->grab().toImage().pixel(0, 1), qRgb(255, 255, 255));

    window.Frame2()->scrGraphic()->setValue(25); // ten units a pixel: two pixels up
    EXPECT_EQ(view->Offset(), 2);
    EXPECT_EQ(view->grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view->grab().toImage().pixel(1, 0), qRgb(255, 255, 255));
}

} // namespace
} // namespace orvane::window_testing
