// The port's bytes reach the capture procedures and the window shows what they made; every
// record start is on disk at once. While the link is up, what the capture writes into cannot
// be deleted; a lost link shows the link down.

#include "window_fixture.h"

namespace orvane::ui_testing {
namespace {

class CaptureTest : public WindowTest {
  protected:
    // Bytes arriving on the line, announced as the port's ready-read signal does.
    void Arrive(MainWindow& window, const std::string& bytes) {
        run->port.incoming += bytes;
        window.OnPortReadyRead();
    }
};

TEST_F(CaptureTest, TextAndPictureBecomeRecordsShownAndFiledAndAreKeptUntilTheLinkIsDown) {
    MainWindow& window = Started();
    Arrive(window, "NOISE");
    EXPECT_EQ(run->port.incoming, "") << "bytes without a capture are dropped";
    EXPECT_EQ(window.List1()->count(), 0);
    Connect(window);
    Arrive(window, std::string("\x1b\x20\x09") + "LEVEL -12 dB\n");
    // Shown by the coalesced render, without anyone asking for it.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.Frame2()->Text1()->toPlainText().contains("LEVEL -12 dB"); }, 5000));
    const QStringList lines = ListLines(window);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("   RECORD:  ")) << lines[1].toStdString();
    EXPECT_NE(DataFile("VESK/VESK.ini").find(lines[1].mid(12).toStdString() + ".txt"),
              std::string::npos);

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
    window.Toolbar1_ButtonClick("Target");
    EXPECT_EQ(run->dialogs.messages.back(), "Disconnect first!");
    EXPECT_FALSE(window.Form4()->isVisible());

    run->dialogs.messages.clear();
    window.OnLinkLost("the adapter was unplugged");
    EXPECT_EQ(Texts(QList{window.StatusPanel(0), window.StatusPanel(1)}),
              (QStringList{"Disconnected", "Serial Port : "}));
    ASSERT_EQ(run->dialogs.messages.size(), 1U);
    EXPECT_NE(run->dialogs.messages[0].find("the adapter was unplugged"), std::string::npos);
    ClickLine(window, 0);
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(window.List1()->count(), 0);

    // Tarn pushes plain text.
    ChooseTarget(window, 0);
    Connect(window);
    Arrive(window, "RESULT\r\n");
    window.Render();
    EXPECT_TRUE(window.Frame2()->Text1()->toPlainText().endsWith("RESULT\n"));
    EXPECT_TRUE(ListLines(window).last().startsWith("   RECORD:  "));
}

} // namespace
} // namespace orvane::ui_testing
