// The window over the real disk: menu and toolbar commands reach their procedures (those
// that open a dialog: the keyboard test), the workspace commands and captures reach the disk
// at once, and settings written at exit are read at the next start.

#include "window_fixture.h"

namespace orvane::ui_testing {
namespace {

class CommandTest : public WindowTest {
  protected:
    // Bytes arriving on the line, announced as the port's ready-read signal does.
    void Arrive(MainWindow& window, const std::string& bytes) {
        run->port.incoming += bytes;
        window.OnPortReadyRead();
    }

    bool IndexHas(const std::string& text) const {
        return testing::ReadFile(DataPath("VESK/VESK.ini")).find(text) != std::string::npos;
    }

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
        const TextBoxView* text1 = w.Frame2()->Text1();
        return QStringLiteral("lines %1 / text %2, clipboard %3 / selected %4 / exports %5 %6")
            .arg(ListLines(w).join(','), text1->toPlainText(),
                 QString::fromStdString(run->clipboard.Text()), text1->textCursor().selectedText())
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
}

// From a start on an index an earlier run left (listed and editable without the test set, the
// edit filed until the list is used) through a refused and a good Connect, New Workspace and
// the header's Save to Exit, which files the workspace and removes the scratch document.
TEST_F(CommandTest, WorkspaceCommandsFileTheWorkspaceAtOnce) {
    const std::string record = DataPath("VESK/12052026-010100AM.txt").string();
    std::filesystem::create_directories(DataPath("VESK"));
    testing::WriteFile(record, "LEVEL\r\n");
    testing::WriteFile(DataPath("VESK/VESK.ini"),
                       "-\r\nWORKSPACE_12052026-010000AM\r\nAcme\r\n\r\n\r\n\r\n 1 " + record +
                           "\r\n   RECORD:  12052026-010100AM\r\n#\r\n");
    MainWindow& window = Started();
    EXPECT_EQ(ListLines(window), QStringList{"WORKSPACE_12052026-010000AM"});
    ClickLine(window, 0, Qt::LeftButton, true);
    ClickLine(window, 1, Qt::LeftButton, true);
    EXPECT_EQ(window.Frame3()->Boxes()[0]->text(), "Acme");
    TextBoxView* text1 = window.Frame2()->Text1();
    text1->moveCursor(QTextCursor::End);
    Type(text1, " -12 dB\u6ce8");
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), NotStorableNote);
    ClickLine(window, 0);
    Type(text1, "XYZ");
    EXPECT_TRUE(QTest::qWaitFor([&] { return testing::ReadFile(record) == "LEVEL -12 dB\r\n"; }));

    run->port.failOpen = true;
    window.Menus().mnuConnect->trigger();
    Press(window.Form3(), "cmdOK");
    ASSERT_TRUE(window.Form3() && window.Form3()->isVisible()) << "to try again";
    run->port.failOpen = false;
    Press(window.Form3(), "cmdOK");
    EXPECT_EQ(window.StatusPanel(0)->text(), "Connected");
    run->clock.now.minute = 58;
    window.Menus().mnuNewReport->trigger();
    EXPECT_TRUE(IndexHas("WORKSPACE_12052026-035851AM"));

    const auto& boxes = window.Frame3()->Boxes();
    Type(boxes[0], "B\u00fcro AG");
    Type(boxes[2], "\u6ce8\u6587-1"); // what cannot be stored is refused at typing
    window.Frame3()->cmdOK()->click();
    const int r = run->ws.CurrentReport;
    EXPECT_EQ(run->ws.ReportField[r][3], "-1");
    EXPECT_TRUE(IndexHas("B\xFCro AG"));
    window.Frame3()->cmdCancel()->click();
    EXPECT_EQ(Texts(boxes), (QStringList{"", "", "", ""}));
    EXPECT_EQ(run->ws.ReportField[r][1], "B\xFCro AG") << "Cancel empties the boxes alone";

    testing::WriteFile(DataPath("temp.doc"), "left over");
    run->ws.ReportField[r][4] = "WRITTEN AT EXIT";
    run->port.port = 2;
    window.Menus().mnuExit->trigger();
    EXPECT_FALSE(window.isVisible() || run->port.open);
    EXPECT_FALSE(std::filesystem::exists(DataPath("temp.doc")));
    EXPECT_TRUE(IndexHas("WRITTEN AT EXIT"));
    run->port.port = 5;
    window.close();
    EXPECT_EQ(QtSettingsStore().Read("CommPort", "LastCommPort"), "2") << "shut-down runs once";
}

// Every record start is on disk at once; while the link is up, what the capture writes into
// cannot be deleted; once the link is lost it can.
TEST_F(CommandTest, TextAndPictureBecomeRecordsShownAndFiledAndAreKeptUntilTheLinkIsDown) {
    MainWindow& window = Started();
    Arrive(window, "NOISE");
    EXPECT_EQ(run->port.incoming, "") << "bytes without a capture are dropped";
    Connect(window);
    Arrive(window, std::string("\x1b\x20\x09") + "LEVEL -12 dB\n");
    // Shown by the coalesced render, without anyone asking for it.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.Frame2()->Text1()->toPlainText().contains("LEVEL -12 dB"); }, 5000));
    const QStringList lines = ListLines(window);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(IndexHas("\r\n" + lines[1].toStdString() + "\r\n")) << "filed at once";

    Arrive(window, std::string("\x1b\x20\x0f") + "\x1b\x4b\x03");
    Arrive(window, std::string("\x00\xff\x00\x80", 4)); // split inside the block
    window.Render();
    const QImage shown = window.Frame2()->imgScreen()->grab().toImage();
    EXPECT_TRUE(window.ProgressBar1()->isVisible());
    EXPECT_EQ(shown.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(2, 1), qRgb(255, 255, 255));
    ASSERT_EQ(window.List1()->count(), 3);
    EXPECT_TRUE(ListLines(window).last().startsWith("   GRAPH:    "));

    // The report receiving captures and the picture being drawn wait; the text record goes.
    for (const auto& [line, linesAfter] : {std::pair{0, 3}, std::pair{2, 3}, std::pair{1, 2}}) {
        SCOPED_TRACE(line);
        run->dialogs.messages.clear();
        ClickLine(window, line);
        window.Menus().mnuRecordDelete->trigger();
        EXPECT_EQ(window.List1()->count(), linesAfter);
        EXPECT_EQ(run->dialogs.messages,
                  (std::vector<std::string>(linesAfter == 3, "Disconnect first!")));
    }
    window.OnLinkLost("the adapter was unplugged");
    ClickLine(window, 0);
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(window.List1()->count(), 0);
}

TEST_F(CommandTest, SettingsWrittenAtExitAreReadAtTheNextStart) {
    MainWindow& window = Started();
    ChooseTarget(window, 0);
    ChooseLanguage(window, &LanguageDialog::Option2);
    run->port.settings = "19200,E,7,1";
    // The scratch document of another copy of the program is left alone.
    testing::WriteFile(DataPath("temp.doc"), "another copy's, being written");
    run->locks.heldElsewhere.insert(DataPath("temp.doc").string());
    window.close();
    EXPECT_TRUE(std::filesystem::exists(DataPath("temp.doc")));

    MainWindow& next = Started();
    EXPECT_EQ(run->port.settings, "19200,e,7,1");
    EXPECT_EQ(next.StatusPanel(2)->text(), "Target:Tarn/TarnX");
    EXPECT_TRUE(next.Form4()->Option(0)->isChecked());
    EXPECT_EQ(next.Frame3()->Labels()[0]->text(), "Company") << "every start is English";
}

} // namespace
} // namespace orvane::ui_testing
