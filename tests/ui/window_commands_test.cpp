// Menu and toolbar commands reach their procedures, and the workspace commands reach the disk.

#include "window_fixture.h"

namespace orvane::ui_testing {
namespace {

class CommandTest : public WindowTest {
  protected:
    // A started window showing "AB", a line end and "SCREEN", with "SCR" selected (a line end
    // is one character in the widget and two bytes in the text), and "PASTED" on the clipboard.
    MainWindow& StartedWithText() {
        std::filesystem::remove_all(DataPath({})); // what an earlier start filed
        MainWindow& window = Started();
        run->win.Text1.Set("AB\r\nSCREEN");
        window.Render();
        QTextCursor cursor = window.Frame2()->Text1()->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        window.Frame2()->Text1()->setTextCursor(cursor);
        run->clipboard.SetText("PASTED");
        return window;
    }

    // What the window shows that a command may change.
    QString Facts(MainWindow& w) {
        QString facts;
        for (QWidget* dialog :
             std::initializer_list<QWidget*>{w.Form2(), w.Form3(), w.Form4(), w.Form5(), w.Form6()})
            if (dialog && dialog->isVisible())
                facts += dialog->objectName() + " / ";
        const TextBoxView* text1 = w.Frame2()->Text1();
        return facts +
               QStringLiteral("lines %1 / text %2, clipboard %3 / selected %4 / exports %5 %6")
                   .arg(ListLines(w).join(','), text1->toPlainText(),
                        QString::fromStdString(run->clipboard.Text()),
                        text1->textCursor().selectedText())
                   .arg(run->launcher.spreadsheetFiles.size())
                   .arg(run->launcher.wordProcessorFiles.size());
    }
};

TEST_F(CommandTest, MenuAndToolbarCommandsReachTheirProcedures) {
    const struct {
        QAction* MainMenus::*entry;
        const char* button;
        const char* fact;
    } rows[] = {
        {&MainMenus::mnuTarget, "Target", "Form4"},
        {&MainMenus::mnuConnect, "Connect", "Form3"},
        {&MainMenus::mnuLanguage, nullptr, "Form6"},
        {&MainMenus::mnuAbout, "Help", "Form2"},
        {&MainMenus::mnuRecordRename, nullptr, "Form5"},
        {&MainMenus::mnuNewReport, "New", "lines WORKSPACE_12052026-035651AM"},
        {&MainMenus::mnuExportToExcel, "EXCEL", "exports 1 0"},
        {&MainMenus::mnuExportToWord, "WORD", "exports 0 1"},
        {&MainMenus::mnuCut, "Cut", "text AB\nEEN, clipboard SCR"},
        {&MainMenus::mnuCopy, "Copy", "text AB\nSCREEN, clipboard SCR"},
        {&MainMenus::mnuPaste, "Paste", "text AB\nPASTEDEEN, clipboard PASTED"},
        {&MainMenus::mnuSelectAll, nullptr, "selected AB\u2029SCREEN"},
        {nullptr, "Clear", "text , clipboard PASTED"},
    };
    for (const auto& row : rows) {
        for (const bool viaButton : {false, true}) {
            if (!(viaButton ? row.button != nullptr : row.entry != nullptr))
                continue;
            SCOPED_TRACE(std::string(row.fact) + (viaButton ? " by the button" : " by the menu"));
            MainWindow& window = StartedWithText();
            ASSERT_FALSE(Facts(window).contains(row.fact));
            if (viaButton)
                window.Toolbar1()->Button(QString::fromLatin1(row.button))->trigger();
            else
                (window.Menus().*row.entry)->trigger();
            EXPECT_TRUE(Facts(window).contains(row.fact)) << Facts(window).toStdString();
        }
    }
    EXPECT_TRUE(run->dialogs.messages.empty());
}

// A refused Connect says why and keeps its dialog; New Workspace, the header's Save and Exit
// file the workspace at once, Exit also removes the scratch document.
TEST_F(CommandTest, WorkspaceCommandsFileTheWorkspaceAtOnce) {
    MainWindow& window = Started();
    run->port.failOpen = true;
    window.Menus().mnuConnect->trigger();
    Press(window.Form3(), "cmdOK");
    EXPECT_EQ(run->dialogs.messages.size(), 1U) << "the user is told why";
    ASSERT_TRUE(window.Form3() && window.Form3()->isVisible());
    run->port.failOpen = false;
    Press(window.Form3(), "cmdOK");
    EXPECT_EQ(Texts(QList{window.StatusPanel(0), window.StatusPanel(1)}),
              (QStringList{"Connected", "Serial Port:Com 1"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.Form3(), nullptr);
    EXPECT_EQ(run->locks.held, std::set<std::string>{DataPath("VESK/VESK.ini").string()});
    run->clock.now.minute = 58;
    window.Menus().mnuNewReport->trigger();
    EXPECT_NE(DataFile("VESK/VESK.ini").find("WORKSPACE_12052026-035851AM"), std::string::npos);

    const auto& boxes = window.Frame3()->Boxes();
    Type(boxes[0], "B\u00fcro AG");
    Type(boxes[2], "\u6ce8\u6587-1");
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), NotStorableNote)
        << "what cannot be stored is refused at typing";
    window.Frame3()->cmdOK()->click();
    const int r = run->ws.CurrentReport;
    EXPECT_EQ(run->ws.ReportField[r][3], "-1");
    EXPECT_NE(DataFile("VESK/VESK.ini").find("B\xFCro AG"), std::string::npos);
    window.Frame3()->cmdCancel()->click();
    EXPECT_EQ(Texts(boxes), (QStringList{"", "", "", ""}));
    EXPECT_EQ(run->ws.ReportField[r][1], "B\xFCro AG") << "Cancel empties the boxes alone";

    testing::WriteFile(DataPath("temp.doc"), "left over");
    run->ws.ReportField[r][4] = "WRITTEN AT EXIT";
    run->port.port = 2;
    window.Menus().mnuExit->trigger();
    EXPECT_FALSE(window.isVisible() || run->port.open);
    EXPECT_FALSE(std::filesystem::exists(DataPath("temp.doc")));
    EXPECT_NE(DataFile("VESK/VESK.ini").find("WRITTEN AT EXIT"), std::string::npos);
    run->port.port = 5;
    window.close();
    EXPECT_EQ(QtSettingsStore().Read("CommPort", "LastCommPort"), "2") << "shut-down runs once";
}

} // namespace
} // namespace orvane::ui_testing
