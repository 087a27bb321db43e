// The port's bytes reach the capture procedures and the window shows what they made; every
// record start is on disk at once. A lost link shows the link down.

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

TEST_F(CaptureTest, PrinterStreamTextAndPictureBecomeRecordsShownAndFiled) {
    MainWindow& window = Started();
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
    GraphView* view = window.Frame2()->imgScreen();
    ASSERT_TRUE(view->isVisible());
    EXPECT_TRUE(window.ProgressBar1()->isVisible());
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(2, 1), qRgb(255, 255, 255));
    EXPECT_TRUE(ListLines(window).last().startsWith("   GRAPH:    "));
}

TEST_F(CaptureTest, PushedTextOfTarnBecomesARecordAndBytesWithoutACaptureAreDropped) {
    MainWindow& window = Started();
    Arrive(window, "NOISE");
    EXPECT_EQ(run->port.incoming, "");
    EXPECT_EQ(window.List1()->count(), 0);
    ChooseTarget(window, 0);
    Connect(window);
    Arrive(window, "RESULT\r\n");
    window.Render();
    EXPECT_TRUE(window.Frame2()->Text1()->toPlainText().endsWith("RESULT\n"));
    EXPECT_TRUE(ListLines(window).last().startsWith("   RECORD:  "));
}

// While the link is up, the report receiving captures and the picture being drawn cannot be
// deleted; every other line can, and all can once the link is lost.
TEST_F(CaptureTest, DeleteOfWhatTheCaptureWritesIntoWaitsForTheLinkToGoDown) {
    MainWindow& window = Started();
    Connect(window);
    Arrive(window, std::string("\x1b\x20\x09") + "LEVEL\n");
    Arrive(window, std::string("\x1b\x20\x0f") + "\x1b\x4b\x01\xff");
    window.Render();
    ASSERT_EQ(window.List1()->count(), 3);
    for (const auto& [line, linesAfter] : {std::pair{0, 3}, std::pair{2, 3}, std::pair{1, 2}}) {
        SCOPED_TRACE(line);
        run->dialogs.messages.clear();
        ClickLine(window, line);
        window.Menus().mnuRecordDelete->trigger();
        EXPECT_EQ(window.List1()->count(), linesAfter);
        EXPECT_EQ(run->dialogs.messages,
                  (std::vector<std::string>(linesAfter == 3, "Disconnect first!")));
    }
    // A lost link shows the link down and tells the user; then everything can be deleted.
    window.OnLinkLost("the adapter was unplugged");
    EXPECT_EQ(Panels(window), "Disconnected | Serial Port :  | Target:Vesk/VeskM");
    ASSERT_EQ(run->dialogs.messages.size(), 1U);
    EXPECT_NE(run->dialogs.messages[0].find("the adapter was unplugged"), std::string::npos);
    EXPECT_FALSE(run->ws.Connected);
    ClickLine(window, 0);
    window.Menus().mnuRecordDelete->trigger();
    EXPECT_EQ(window.List1()->count(), 0);
}

} // namespace
} // namespace orvane::ui_testing
