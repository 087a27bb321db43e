// Menu and toolbar commands reach their procedures, and workspace commands reach the disk.

#include "window_fixture.h"

#include "support/fakes.h"

#include <QFileDialog>
#include <QLabel>
#include <QTimer>

namespace orvane::window_testing {
namespace {

using CommandTest = WindowTest;

TEST_F(CommandTest, NewWorkspaceFromTheMenuAddsAClosedReportLine) {
    MainWindow& window = Started();
    window.Menus().mnuNewReport->trigger();
    ASSERT_EQ(window.List1()->count(), 1);
    EXPECT_EQ(window.List1()->item(0)->text(), QStringLiteral("WORKSPACE_12052026-035651AM"));
    EXPECT_EQ(run->ws.ReportCount, 1);
    EXPECT_EQ(run->ws.ReportState[1], ReportClosed);
}

TEST_F(CommandTest, NewWorkspaceFromTheToolbarAddsAnotherLine) {
    MainWindow& window = Started();
    window.Toolbar1()->Button(QStringLiteral("New"))->trigger();
    run->clock.now.second = 52;
    window.Toolbar1_ButtonClick(QStringLiteral("New"));
    EXPECT_EQ(ListLines(window),
              (QStringList{"WORKSPACE_12052026-035651AM", "WORKSPACE_12052026-035652AM"}));
}

TEST_F(CommandTest, UnknownToolbarKeyDoesNothing) {
    MainWindow& window = Started();
    window.Toolbar1_ButtonClick(QStringLiteral("Nothing"));
    EXPECT_EQ(window.List1()->count(), 0);
    EXPECT_TRUE(run->dialogs.messages.empty());
}

TEST_F(CommandTest, NewWorkspaceAfterConnectingIsOnDiskAtOnce) {
    MainWindow& window = Started();
    Connect(window);
    const int before = run->ws.ReportCount;
    run->clock.now.minute = 58;
    window.Menus().mnuNewReport->trigger();
    ASSERT_EQ(run->ws.ReportCount, before + 1);
    const std::string index = testing::ReadFile(DataPath("VESK/VESK.ini"));
    EXPECT_NE(index.find("WORKSPACE_12052026-035851AM"), std::string::npos) << index;
}

TEST_F(CommandTest, ConnectShowsTheLinkAndLoadsTheWorkspace) {
    MainWindow& window = Started();
    Connect(window);
    EXPECT_EQ(window.StatusPanel(0)->text(), QStringLiteral("Connected"));
    EXPECT_EQ(window.StatusPanel(1)->text(), QStringLiteral("Serial Port:Com 1"));
    EXPECT_TRUE(run->port.open);
    // No index yet: a fresh report to capture into.
    EXPECT_EQ(window.List1()->count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.Form3(), nullptr) << "the settings dialog closes on success";

    window.Toolbar1_ButtonClick(QStringLiteral("Disconnect"));
    EXPECT_EQ(window.StatusPanel(0)->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(window.StatusPanel(1)->text(), QStringLiteral("Serial Port : "));
    EXPECT_FALSE(run->port.open);
    EXPECT_TRUE(std::filesystem::exists(DataPath("VESK/VESK.ini")));
}

TEST_F(CommandTest, FailedConnectKeepsTheDialogOpenAndTellsTheUser) {
    MainWindow& window = Started();
    run->port.failOpen = true;
    window.Menus().mnuConnect->trigger();
    ASSERT_NE(window.Form3(), nullptr);
    window.Form3()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    ASSERT_EQ(run->dialogs.messages.size(), 1U);
    EXPECT_EQ(run->dialogs.messages[0].rfind("Impossible to establish a connection.", 0), 0U);
    EXPECT_NE(window.Form3(), nullptr);
    EXPECT_TRUE(window.Form3()->isVisible());
    EXPECT_EQ(window.StatusPanel(0)->text(), QStringLiteral("Disconnected"));
}

TEST_F(CommandTest, HeaderSaveStoresTheBoxesIntoTheCurrentReport) {
    MainWindow& window = Started();
    Connect(window);
    const auto& boxes = window.Frame3()->Boxes();
    Type(boxes[0], QStringLiteral("B\u00fcro AG"));
    QTest::keyClicks(boxes[3], QStringLiteral("no fault"));
    window.Frame3()->cmdOK()->click();
    const int r = run->ws.CurrentReport;
    ASSERT_GE(r, 1);
    EXPECT_EQ(run->ws.ReportField[r][1], "B\xFCro AG");
    EXPECT_EQ(run->ws.ReportField[r][4], "no fault");
    EXPECT_NE(testing::ReadFile(DataPath("VESK/VESK.ini")).find("B\xFCro AG"), std::string::npos);

    window.Frame3()->cmdCancel()->click();
    EXPECT_TRUE(boxes[0]->text().isEmpty());
    EXPECT_EQ(run->ws.ReportField[r][1], "B\xFCro AG");
}

TEST_F(CommandTest, AboutShowsTitleVersionAndSupport) {
    run->ws.VersionLabel = "0.1.0";
    MainWindow& window = Started();
    window.Toolbar1_ButtonClick(QStringLiteral("Help"));
    ASSERT_NE(window.Form2(), nullptr);
    EXPECT_TRUE(window.Form2()->isVisible());
    EXPECT_FALSE(window.Form2()->isModal());
    EXPECT_EQ(window.Form2()->windowTitle(), QStringLiteral("About Kavrel"));
    EXPECT_EQ(window.Form2()->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("Orvane Reporter"));
    EXPECT_EQ(window.Form2()->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 0.1.0"));
    const QString support = window.Form2()->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    EXPECT_TRUE(support.startsWith(QStringLiteral("Support:\n"))) << support.toStdString();
    EXPECT_FALSE(support.contains(QLatin1Char('\r')));
}

TEST_F(CommandTest, ClearScreenEmptiesTheTextViewOnly) {
    MainWindow& window = Started();
    run->win.Text1.Set("SCREEN\r\n");
    window.Render();
    window.Toolbar1_ButtonClick(QStringLiteral("Clear"));
    EXPECT_TRUE(window.Frame2()->Text1()->toPlainText().isEmpty());
    EXPECT_EQ(run->win.Text1.text, "");
}

TEST_F(CommandTest, CopyAndPasteWorkOnTheTextViewSelection) {
    MainWindow& window = Started();
    run->win.Text1.Set("LEVEL\r\n-12 dB\r\n");
    window.Render();
    TextBoxView* text1 = window.Frame2()->Text1();
    QTextCursor cursor = text1->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(9, QTextCursor::KeepAnchor); // "EL", the line end, "-12"
    text1->setTextCursor(cursor);
    window.Menus().mnuCopy->trigger();
    EXPECT_EQ(run->clipboard.Text(), "EL\r\n-12");

    window.Menus().mnuSelectAll->trigger();
    EXPECT_EQ(text1->textCursor().selectedText().size(), text1->document()->characterCount() - 1);
    window.Menus().mnuPaste->trigger();
    EXPECT_EQ(run->win.Text1.text, "EL\r\n-12");
    EXPECT_EQ(text1->toPlainText(), QStringLiteral("EL\n-12"));
}

// Answers the Save dialog once it is up with `name` (empty: Cancel); records its title.
void AnswerSaveDialog(const QString& name, QString& title) {
    QTimer::singleShot(0, [name, &title] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

TEST_F(CommandTest, SaveAppendsTheShownTextUnderTheChosenName) {
    MainWindow& window = Started();
    run->win.Text1.Set("LEVEL -12 dB");
    window.Render();
    const QString chosen = QString::fromStdString((dir.path() / "out" / "report").string());
    std::filesystem::create_directories(dir.path() / "out");
    QString title;
    AnswerSaveDialog(chosen, title);
    window.Menus().mnuSave->trigger();
    EXPECT_EQ(title, QStringLiteral("Save As"));
    EXPECT_EQ(testing::ReadFile(dir.path() / "out" / "report.txt"), "LEVEL -12 dB\r\n");
    EXPECT_EQ(run->ws.SaveFolder, (dir.path() / "out").string() + "/");

    AnswerSaveDialog({}, title);
    window.Toolbar1_ButtonClick(QStringLiteral("Save"));
    EXPECT_EQ(testing::ReadFile(dir.path() / "out" / "report.txt"), "LEVEL -12 dB\r\n");
    // Save As keeps the title Save set last.
    AnswerSaveDialog({}, title);
    window.Menus().mnuSaveAs->trigger();
    EXPECT_EQ(title, QStringLiteral("Save As"));
}

} // namespace
} // namespace orvane::window_testing
