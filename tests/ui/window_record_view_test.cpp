// The record list under the mouse and the record view: single clicks select, double clicks
// open and fold reports and open records; the opened text record takes the user's edits
// until the list is used; the context menu acts on the line right-clicked.

#include "window_fixture.h"

#include "output/picture_document.h"
#include "platform/png_codec.h"

namespace orvane::ui_testing {
namespace {

using RecordViewTest = TwoReportWindowTest;

TEST_F(RecordViewTest, ClicksSelectAndDoubleClicksOpenAndFoldReportsAndOpenRecords) {
    ClickLine(window, 1);
    EXPECT_EQ(run->ws.ListSelection, 1);
    EXPECT_EQ(ListLines(window), (QStringList{Report1, Report2}));
    DoubleClickLine(window, 0);
    EXPECT_EQ(ListLines(window), (QStringList{Report1, Record1, Record2, Report2}));
    EXPECT_EQ(window.windowTitle(), "Orvane Reporter");

    DoubleClickLine(window, 2);
    EXPECT_EQ(window.Frame2()->Text1()->toPlainText(), "LOSS 3 dB\nOK");
    EXPECT_EQ(window.Frame2()->title(), Record2);
    EXPECT_EQ(window.windowTitle(), "Kavrel::" + Report1);
    EXPECT_EQ(Texts(window.Frame3()->Boxes()),
              (QStringList{Report1 + " field 1", Report1 + " field 2", Report1 + " field 3",
                           Report1 + " field 4"}));
    EXPECT_EQ(window.List1()->currentRow(), 2);

    DoubleClickLine(window, 0);
    EXPECT_EQ(ListLines(window), (QStringList{Report1, Report2}));
}

TEST_F(RecordViewTest, TypingChangesTheOpenedRecordUntilTheListIsClicked) {
    run->ws.Loaded = true;
    run->ws.LoadedTargetDir = run->ws.TargetDir;
    DoubleClickLine(window, 0);
    DoubleClickLine(window, 1);
    TextBoxView* text1 = window.Frame2()->Text1();
    text1->moveCursor(QTextCursor::End);
    Type(text1, " OK");
    QTest::keyClick(text1, Qt::Key_Return);
    Type(text1, "\u00b0C");
    const std::string edited = "LEVEL -12 dB OK\r\n\xB0"
                               "C";
    EXPECT_EQ(run->ws.RecordText[r1][1], edited);

    ClickLine(window, 2);
    Type(text1, "XYZ");
    EXPECT_EQ(run->ws.RecordText[r1][1], edited);
    EXPECT_EQ(run->ws.RecordText[r1][2], "LOSS 3 dB\r\nOK");
    // The edit reaches the record file shortly after the last keystroke.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return testing::ReadFile(run->ws.RecordPath[r1][1]).find(edited) != std::string::npos;
        },
        10000));
}

TEST_F(RecordViewTest, ContextMenuActsOnTheRightClickedLineAndEmptySpaceHasNone) {
    DoubleClickLine(window, 0);
    ClickLine(window, 0);
    QMenu* menu = window.Menus().mnuContextMenu;
    ClickLine(window, 1, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(window.List1()->currentRow(), 1);
    window.Menus().mnuRecordRename->trigger();
    window.Form5()->findChild<QLineEdit*>("Text1")->setText("Cable 7, far end");
    Press(window.Form5(), "cmdOK");
    EXPECT_EQ(ListLines(window), (QStringList{Report1, "   Cable 7, far end", Record2, Report2}));
    EXPECT_EQ(run->ws.ReportName[r1], Report1.toStdString());

    ClickLine(window, 2, Qt::RightButton);
    menu->hide();
    run->dialogs.answers = {false};
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(window.List1()->count(), 4) << "not confirmed";
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(ListLines(window), (QStringList{Report1, "   Cable 7, far end", Report2}));

    QWidget* viewport = window.List1()->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(4, viewport->height() - 4));
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(RecordViewTest, RenameActsOnTheLineSelectedAtOkAndCancelChangesNothing) {
    window.Menus().mnuRecordRename->trigger();
    RenameDialog* form5 = window.Form5();
    EXPECT_FALSE(form5->isModal());
    auto* box = form5->findChild<QLineEdit*>("Text1");
    box->setText("Site A");
    Press(form5, "cmdCancel");
    EXPECT_FALSE(form5->isVisible());
    EXPECT_TRUE(box->text().isEmpty());

    window.Menus().mnuRecordRename->trigger();
    ClickLine(window, 1); // the list stays usable while the dialog is open
    box->setText("M\u00fcnchen S\u00fcd \u20ac123"); // full length: no stamp
    Press(form5, "cmdOK");
    EXPECT_EQ(run->ws.ReportName[r2], "M\xFC"
                                      "nchen S\xFC"
                                      "d \x80"
                                      "123");
    EXPECT_EQ(ListLines(window), (QStringList{Report1, "M\u00fcnchen S\u00fcd \u20ac123"}));
    EXPECT_FALSE(form5->isVisible());
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(RecordViewTest, ALongNameIsCutInTheCaptionAndLeavesTheWindowsWidth) {
    const int width = window.width();
    DoubleClickLine(window, 0);
    ClickLine(window, 1);
    window.Menus().mnuRecordRename->trigger();
    const QString name = QString(300, u'W');
    window.Form5()->findChild<QLineEdit*>("Text1")->setText(name);
    Press(window.Form5(), "cmdOK");
    DoubleClickLine(window, 1);
    // A window that grows does so in the layout pass after the event.
    EXPECT_FALSE(QTest::qWaitFor([&] { return window.width() != width; }, 500))
        << window.width() << " instead of " << width;
    EXPECT_EQ(window.Frame2()->Caption(), "   " + name);
    EXPECT_TRUE(window.Frame2()->title().endsWith(u'\u2026'));
    EXPECT_LT(window.Frame2()->title().size(), 100);
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
    ASSERT_TRUE(view->isVisible() && window.Frame2()->scrGraphic()->isVisible());
    EXPECT_FALSE(window.Frame2()->Text1()->isVisible());
    EXPECT_EQ(view->grab().toImage().pixel(0, 2), qRgb(0, 0, 0));
    EXPECT_EQ(view->grab().toImage().pixel(0, 1), qRgb(255, 255, 255));

    window.Frame2()->scrGraphic()->setValue(25); // ten units a pixel: two pixels up
    EXPECT_EQ(view->Offset(), 2);
    EXPECT_EQ(view->grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view->grab().toImage().pixel(1, 0), qRgb(255, 255, 255));
}

} // namespace
} // namespace orvane::ui_testing
