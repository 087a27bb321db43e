#include "capture_test_world.h"

#include "serial/pushed_text_capture.h"
#include "workspace/report_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace orvane {
namespace {

using namespace std::string_literals;
using testing::CaptureWorld;

constexpr char Header[] = "   RECORD:12052026-035651AM\r\n";

class PushedCapture : public ::testing::Test, public CaptureWorld {
  protected:
    PushedTextState state;

    PushedCapture() {
        port.open = true;
        ws.Connected = true;
        state.TickCount = 100;
        state.LastRxTick = 0;
    }

    // `bytes` arrive after `silentTicks` half-seconds without data.
    void Receive(const std::string& bytes, int silentTicks = 0) {
        for (int tick = 0; tick < silentTicks; ++tick)
            Timer1_Timer(state);
        port.incoming += bytes;
        MSComm1_OnComm(state, ws, win, services, port, CommEventReceive);
    }

    int Reads() const {
        return static_cast<int>(
            std::count_if(port.calls.begin(), port.calls.end(),
                          [](const std::string& c) { return c.rfind("Read", 0) == 0; }));
    }
};

TEST_F(PushedCapture, StoresTheWorkedExample) {
    const std::int16_t r = AddReport();
    Receive("\x1bR\x01\x1b\x32\x0fRESULT\r\n"s);

    ASSERT_EQ(ws.RecordCount[r], 1);
    EXPECT_EQ(ws.RecordText[r][1], Header + "RESULT\r\n"s);
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][1]);
    EXPECT_TRUE(win.Text1.visible);
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_EQ(ws.ListText[ws.ListCount - 1], "   RECORD:  12052026-035651AM");
    EXPECT_TRUE(ws.Dirty);
    EXPECT_EQ(state.LastRxTick, state.TickCount);
}

TEST_F(PushedCapture, ContinuesAfterFiveTicksAndStartsAfterSix) {
    const std::int16_t r = AddReport();
    Receive("A\r");
    Receive("B\r", 5);
    ASSERT_EQ(ws.RecordCount[r], 1);
    EXPECT_EQ(ws.RecordText[r][1], Header + "A\r\nB\r\n"s);

    clock.now.second = 58;
    Receive("C\r", 6);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][1], Header + "A\r\nB\r\n"s);
    EXPECT_EQ(ws.RecordText[r][2], "   RECORD:12052026-035658AM\r\nC\r\n");
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][2]);
    EXPECT_EQ(ws.ListCount, 3);
}

TEST_F(PushedCapture, AppendsToTheViewWithoutReplacingIt) {
    AddReport();
    Receive("A");
    const std::uint32_t replaced = win.Text1.replaced;
    Receive("B", 1);
    EXPECT_EQ(win.Text1.replaced, replaced);
    EXPECT_EQ(win.Text1.text, Header + "AB"s);
}

TEST_F(PushedCapture, CleansEachChunkOnItsOwn) {
    const std::int16_t r = AddReport();
    Receive("X\x1bR\x01"s);
    Receive("\x1b\x32Y\nZ"s, 1);
    EXPECT_EQ(ws.RecordText[r][1], Header + "X\x1bR\x01\x1b\x32YZ"s);
}

TEST_F(PushedCapture, ReadsEverythingWaiting) {
    AddReport();
    Receive("first part, ");
    port.incoming = "left by an earlier reader";
    Receive(" and more", 1);
    EXPECT_EQ(port.incoming, "");
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "Read 0"), Reads());
    EXPECT_EQ(ws.RecordText[1][1], Header + "first part, left by an earlier reader and more"s);
}

TEST_F(PushedCapture, MakesAReportWhenThereIsNone) {
    Receive("X");
    ASSERT_EQ(ws.ReportCount, 1);
    EXPECT_EQ(ws.RecordText[1][1], Header + "X"s);
}

TEST_F(PushedCapture, NeverWritesIntoARecordOpenedForEditing) {
    const std::int16_t r = AddReport(1);
    ws.RecordInEditor = true;
    ws.EditReport = r;
    ws.EditRecord = 1;
    win.Text1.Set(ws.RecordText[r][1]);

    Receive("captured");
    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(ws.RecordText[r][1], "text of R1N1");
    EXPECT_EQ(win.Text1.text, Header + "captured"s);
}

TEST_F(PushedCapture, StartsAFreshRecordWhenItsRecordWentAwayMeanwhile) {
    const std::int16_t r = AddReport(1);
    Receive("A");
    ASSERT_EQ(ws.RecordCount[r], 2);

    // The user deletes the record being captured: its line is the last one.
    win.ListIndex = ws.ListCount - 1;
    Record_Delete(ws, win, services);
    ASSERT_EQ(ws.RecordCount[r], 1);

    Receive("B", 1);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][1], "text of R1N1");
    EXPECT_EQ(ws.RecordText[r][2], "   RECORD:12052026-035651AM\r\nB");
}

TEST_F(PushedCapture, FollowsItsRecordWhenAnEarlierOneIsDeleted) {
    const std::int16_t r = AddReport(2);
    Receive("A");
    ASSERT_EQ(ws.RecordCount[r], 3);

    win.ListIndex = 1; // record 1 of the open report
    Record_Delete(ws, win, services);
    Receive("B", 1);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][2], Header + "AB"s);
}

TEST_F(PushedCapture, RefusesTheFiftyFirstTransmissionAndOnlyShowsIt) {
    const std::int16_t r = AddReport(MaxRecords);
    Receive("first chunk ");
    Receive("second chunk", 2);

    EXPECT_EQ(dialogs.messages, std::vector<std::string>{" Maximum Record Number is 50! "});
    EXPECT_EQ(ws.RecordCount[r], MaxRecords);
    EXPECT_EQ(ws.ListCount, 1 + MaxRecords);
    EXPECT_EQ(win.Text1.text, "first chunk second chunk");
    EXPECT_EQ(port.incoming, "");
    for (int n = 1; n <= MaxRecords; ++n)
        EXPECT_EQ(ws.RecordText[r][n], "text of R1N" + std::to_string(n));

    // The next transmission is refused again, and told again.
    Receive("next", 6);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(win.Text1.text, "next");
}

TEST_F(PushedCapture, CapturesIntoANewReportAfterARefusal) {
    AddReport(MaxRecords);
    Receive("refused");
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    Receive("kept", 6);
    EXPECT_EQ(ws.RecordCount[2], 1);
    EXPECT_EQ(ws.RecordText[2][1], Header + "kept"s);
}

// A message box lets the window go on handling events: receive events arrive meanwhile.
class ReenteringDialogs final : public Dialogs {
  public:
    std::function<void()> whileShown;
    int shown = 0;
    void Message(std::string_view) override {
        ++shown;
        if (whileShown)
            whileShown();
    }
    bool Confirm(std::string_view) override { return true; }
};

TEST_F(PushedCapture, ReadsWhatArrivesWhileItsMessageIsShown) {
    AddReport(MaxRecords);
    ReenteringDialogs reentering;
    Services withReentry{files, clock, reentering, root.str()};
    reentering.whileShown = [&] {
        port.incoming += " more";
        MSComm1_OnComm(state, ws, win, withReentry, port, CommEventReceive);
    };
    port.incoming = "start";
    MSComm1_OnComm(state, ws, win, withReentry, port, CommEventReceive);

    EXPECT_EQ(reentering.shown, 1);
    EXPECT_EQ(win.Text1.text, "start more");
    EXPECT_EQ(port.incoming, "");
}

TEST_F(PushedCapture, TellsTheTimerWhenAStoredTransmissionEnded) {
    AddReport();
    Receive("A");
    int ticks = 1;
    while (!Timer1_Timer(state))
        ASSERT_LT(++ticks, 100);
    EXPECT_EQ(ticks, TransmissionGapTicks);
}

TEST_F(PushedCapture, RestartsTheCounterWhenDataArrivesAtItsTop) {
    AddReport();
    state.TickCount = 5001;
    Receive("A");
    EXPECT_EQ(state.TickCount, 0);
    EXPECT_EQ(state.LastRxTick, 0);
}

TEST_F(PushedCapture, LeavesTheBytesToTheAcquisitionInVeskMode) {
    AddReport();
    ws.TarnMode = false;
    ws.VeskMode = true;
    Receive("\x1b\x20\x09");
    EXPECT_EQ(port.incoming, "\x1b\x20\x09");
    EXPECT_EQ(ws.RecordCount[1], 0);
}

TEST_F(PushedCapture, IgnoresEventsOfAClosedPortAndOverruns) {
    AddReport();
    port.open = false;
    Receive("A");
    port.open = true;
    MSComm1_OnComm(state, ws, win, services, port, CommEventOverrun);
    EXPECT_EQ(port.incoming, "A");
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PushedCapture, TakesTheLinkDownOnABreak) {
    AddReport();
    Receive("A");
    MSComm1_OnComm(state, ws, win, services, port, CommEventBreak);

    EXPECT_FALSE(port.open);
    EXPECT_FALSE(ws.Connected);
    EXPECT_TRUE(ws.Disconnected);
    EXPECT_EQ(win.StatusPanel[0], "Disconnected");
    EXPECT_EQ(win.StatusPanel[1], "Serial Port : ");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("The connection to the test set was lost.", 0), 0u);
    // The capture so far is on disk.
    EXPECT_EQ(testing::ReadFile(ws.RecordPath[1][1]), Header + "A\r\n"s);

    MSComm1_OnComm(state, ws, win, services, port, CommEventBreak);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

} // namespace
} // namespace orvane
