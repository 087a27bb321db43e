// Start-up and shut-down of the window: settings written at exit are read at the next start,
// and the saved reports are there without the test set.

#include "window_fixture.h"

namespace orvane::ui_testing {
namespace {

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, SettingsWrittenAtExitAreReadAtTheNextStart) {
    // An index of a workspace this run never loads: the exit must not replace it.
    const std::string index = "-\r\nWORKSPACE_12052026-034512AM\r\n\r\n\r\n\r\n\r\n#\r\n";
    std::filesystem::create_directories(DataPath("TARN"));
    testing::WriteFile(DataPath("TARN/TARN.ini"), index);
    MainWindow& window = Started();
    ChooseTarget(window, 0);
    const QStringList english{"Company", "Technician", "Ticket/Order", "Comments"};
    window.Menus().mnuLanguage->trigger();
    Press(window.Form6(), "cmdOK");
    EXPECT_EQ(Texts(window.Frame3()->Labels()), english) << "neither chosen on first use";
    ChooseLanguage(window, &LanguageDialog::Option2);
    EXPECT_EQ(Texts(window.Frame3()->Labels()),
              (QStringList{"Firma", "Techniker", "Auftrag", "Kommentar"}));
    window.Menus().mnuLanguage->trigger();
    EXPECT_TRUE(window.Form6()->Option2()->isChecked()) << "the last choice stays selected";
    run->port.port = 3;
    run->port.settings = "19200,E,7,1";
    // The scratch document of another copy of the program is left alone.
    testing::WriteFile(DataPath("temp.doc"), "another copy's, being written");
    run->locks.heldElsewhere.insert(DataPath("temp.doc").string());
    window.close();
    EXPECT_TRUE(std::filesystem::exists(DataPath("temp.doc")));
    EXPECT_FALSE(run->port.open);
    EXPECT_EQ(QtSettingsStore().Read("TypeOfTarget", "LastTypeOfTarget"), " 2");
    EXPECT_EQ(DataFile("TARN/TARN.ini"), index);

    MainWindow& next = Started();
    EXPECT_EQ(run->port.port, 3);
    EXPECT_EQ(run->port.settings, "19200,e,7,1");
    EXPECT_EQ(next.StatusPanel(2)->text(), "Target:Tarn/TarnX");
    EXPECT_TRUE(next.Form4()->Option(0)->isChecked());
    EXPECT_EQ(Texts(next.Frame3()->Labels()), english) << "every start is English";
}

// The saved reports are there without the test set: they can be opened and edited until the
// list is used, and a later Connect goes on from them with a fresh report, the edit kept.
TEST_F(LifecycleTest, SavedReportsAreListedAtStartAndConnectKeepsWhatWasEditedBefore) {
    MainWindow& first = Started();
    EXPECT_EQ(first.List1()->count(), 0) << "a first start has no index";
    std::filesystem::create_directories(DataPath("VESK"));
    testing::WriteFile(DataPath("VESK/12052026-010100AM.txt"), "LEVEL\r\n");
    testing::WriteFile(DataPath("VESK/VESK.ini"),
                       "-\r\nWORKSPACE_12052026-010000AM\r\nAcme\r\n\r\n\r\n\r\n 1 " +
                           DataPath("VESK/12052026-010100AM.txt").string() +
                           "\r\n   RECORD:  12052026-010100AM\r\n#\r\n");

    MainWindow& window = Started();
    EXPECT_EQ(ListLines(window), QStringList{"WORKSPACE_12052026-010000AM"});
    ClickLine(window, 0, Qt::LeftButton, true);
    ClickLine(window, 1, Qt::LeftButton, true);
    EXPECT_EQ(window.Frame3()->Boxes()[0]->text(), "Acme");
    TextBoxView* text1 = window.Frame2()->Text1();
    text1->moveCursor(QTextCursor::End);
    Type(text1, " -12 dB");
    Type(text1, "\u6ce8");
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), NotStorableNote);
    ClickLine(window, 0);
    Type(text1, "XYZ");
    // The edit reaches the record file shortly after the last keystroke.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return DataFile("VESK/12052026-010100AM.txt") == "LEVEL -12 dB\r\n"; }, 10000));

    Connect(window);
    EXPECT_EQ(ListLines(window).size(), 2) << "a fresh report for the captures";
    EXPECT_EQ(DataFile("VESK/12052026-010100AM.txt"), "LEVEL -12 dB\r\n");
}

} // namespace
} // namespace orvane::ui_testing
