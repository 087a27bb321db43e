// The record list under the mouse and the record view: single clicks select, double clicks
// open and fold reports and open records; the context menu acts on the line right-clicked.

#include "window_fixture.h"

namespace orvane::ui_testing {
namespace {

using RecordViewTest = TwoReportWindowTest;

TEST_F(RecordViewTest, ClicksSelectDoubleClicksOpenAndTheContextMenuActsOnTheClickedLine) {
    ClickLine(window, 1);
    EXPECT_EQ(run->ws.ListSelection, 1);
    EXPECT_EQ(ListLines(window), (QStringList{Report1, Report2}));
    DoubleClickLine(window, 0);
    DoubleClickLine(window, 2);
    EXPECT_EQ(window.Frame2()->Text1()->toPlainText(), "LOSS 3 dB\nOK");
    EXPECT_EQ(window.windowTitle(), "Kavrel::" + Report1);
    EXPECT_EQ(window.Frame3()->Boxes()[3]->text(), Report1 + " field 4");

    QMenu* menu = window.Menus().mnuContextMenu;
    ClickLine(window, 1, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    window.Menus().mnuRecordRename->trigger();
    window.Form5()->findChild<QLineEdit*>("Text1")->setText("Cable 7, far end");
    Press(window.Form5(), "cmdOK");
    ClickLine(window, 2, Qt::RightButton);
    menu->hide();
    run->dialogs.answers = {false};
    window.Menus().mnuRecordDelete->trigger(); // not confirmed
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(ListLines(window), (QStringList{Report1, "   Cable 7, far end", Report2}));
    QWidget* viewport = window.List1()->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(4, viewport->height() - 4));
    EXPECT_FALSE(menu->isVisible()) << "empty space has no menu";

    // Rename acts on the line selected at OK; the list stays usable while it is open.
    window.Menus().mnuRecordRename->trigger();
    ClickLine(window, 2);
    window.Form5()->findChild<QLineEdit*>("Text1")->setText("M\u00fcnchen S\u00fcd \u20ac123");
    Press(window.Form5(), "cmdOK");
    EXPECT_EQ(run->ws.ReportName[r2], "M\xFCnchen S\xFC"
                                      "d \x80"
                                      "123");
    DoubleClickLine(window, 0);
    EXPECT_EQ(ListLines(window), (QStringList{Report1, "M\u00fcnchen S\u00fcd \u20ac123"}));
}

} // namespace
} // namespace orvane::ui_testing
