#include "serial_test_world.h"

#include "serial/pushed_text_capture.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include <algorithm>

namespace orvane::testing {
namespace {

using namespace std::string_literals;

constexpr char Header[] = "   RECORD:12052026-035651AM\r\n";

struct PushedWorld : SerialWorld {
    PushedTextState state;

    PushedWorld() : SerialWorld(TargetTarn, "TARN") {
        ws.Connected = port.open = true;
        state.TickCount = 100;
    }

    // `bytes` arrive after `silentTicks` half-seconds without data.
    void Receive(const std::string& bytes, int silentTicks = 0) {
        for (int tick = 0; tick < silentTicks; ++tick)
            Timer1_Timer(state, ws, win);
        port.incoming += bytes;
        MSComm1_OnComm(state, ws, win, services, port, capture, CommEventReceive);
    }
};

class PushedCapture : public ::testing::Test, public PushedWorld {};

// The file of one transmission that arrives in `pieces` and ends with the silence (the save
// Timer1 asks for) or with the link (as Disconnect ends it).
std::string FiledTransmission(const std::vector<std::string>& pieces, bool silenceEnds) {
    PushedWorld world;
    world.AddReport();
    for (const std::string& piece : pieces)
        world.Receive(piece);
    if (silenceEnds) {
        for (int tick = 0; tick < TransmissionGapTicks; ++tick)
            if (Timer1_Timer(world.state, world.ws, world.win))
                Create_iniFile(world.ws, world.services);
    } else {
        End_Transmission(world.state, world.ws, world.win);
        Create_iniFile(world.ws, world.services);
    }
    EXPECT_EQ(world.win.Text1.text, world.ws.RecordText[1][1]);
    return ReadFile(world.ws.RecordPath[1][1]);
}

TEST(PushedCaptureCuts, OneTransmissionCutAnywhereGivesOneAndTheSameFile) {
    const std::string transmission = "\x1bR\x01\x1b\x32\x0fRESULT\r\n"s + "\x1br\x01\x1b\x32" +
                                     "LINE 2\r\n\x1bR\x01\x1b\x32\x0f";
    const std::string expected = Header + "RESULT\r\nLINE 2\r\n"s + "\r\n";
    for (const bool silenceEnds : {true, false}) {
        SCOPED_TRACE(silenceEnds ? "ended by the silence" : "ended by the link");
        EXPECT_EQ(FiledTransmission({transmission}, silenceEnds), expected);
        for (std::size_t cut = 1; cut < transmission.size(); ++cut)
            EXPECT_EQ(FiledTransmission({transmission.substr(0, cut), transmission.substr(cut)},
                                        silenceEnds),
                      expected)
                << "cut at " << cut;
        std::vector<std::string> bytes;
        for (const char byte : transmission)
            bytes.emplace_back(1, byte);
        EXPECT_EQ(FiledTransmission(bytes, silenceEnds), expected) << "byte by byte";
    }
}

TEST_F(PushedCapture, StoresTheWorkedExampleNeverInARecordOpenedForEditing) {
    const std::int16_t r = AddReport(1);
    ws.RecordInEditor = true;
    ws.EditReport = r;
    ws.EditRecord = 1;
    win.Text1.Set(ws.RecordText[r][1]);
    Receive("\x1bR\x01\x1b\x32\x0fRESULT\r\n"s);

    EXPECT_FALSE(ws.RecordInEditor);
    EXPECT_EQ(ws.RecordText[r][1], "text of R1N1");
    EXPECT_EQ(ws.RecordText[r][2], Header + "RESULT\r\n"s);
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][2]);
    EXPECT_TRUE(win.Text1.visible && ws.Dirty);
    EXPECT_EQ(win.Frame2Caption, "   RECORD:  12052026-035651AM");
    EXPECT_EQ(ws.ListText[ws.ListCount - 1], win.Frame2Caption);

    // The save is asked for once the silence ends the transmission.
    for (int tick = 1; tick < TransmissionGapTicks; ++tick)
        EXPECT_FALSE(Timer1_Timer(state, ws, win));
    EXPECT_TRUE(Timer1_Timer(state, ws, win));
}

TEST_F(PushedCapture, ContinuesAfterFiveTicksAndStartsAfterSix) {
    const std::int16_t r = AddReport();
    state.TickCount = 5001; // data at the counter's top restarts it
    Receive("A\r");
    EXPECT_TRUE(state.TickCount == 0 && state.LastRxTick == 0);
    const std::uint32_t replaced = win.Text1.replaced;
    Receive("B\r", 5);
    EXPECT_EQ(win.Text1.replaced, replaced) << "appended, not replaced";

    clock.now.second = 58;
    Receive("C\r", 6);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][1], Header + "A\r\nB\r\n"s);
    EXPECT_EQ(ws.RecordText[r][2], "   RECORD:12052026-035658AM\r\nC\r\n");
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][2]);
}

TEST_F(PushedCapture, CleansASequenceSplitOverTwoChunksAndReadsEverythingWaiting) {
    const std::int16_t r = AddReport();
    port.incoming = "left by an earlier reader, ";
    Receive("X\x1bR\x01"s);
    Receive("\x1b\x32Y\nZ"s, 1);

    EXPECT_EQ(port.incoming, "");
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "Read 0"), 2);
    EXPECT_EQ(ws.RecordText[r][1], Header + "left by an earlier reader, XYZ"s);
}

TEST_F(PushedCapture, FollowsItsRecordWhenAnEarlierOneIsDeletedAndStartsAfreshWhenItIs) {
    const std::int16_t r = AddReport(2);
    Receive("A");
    win.ListIndex = 1; // record 1 of the open report
    Record_Delete(ws, win, services);
    Receive("B", 1);
    EXPECT_EQ(ws.RecordText[r][2], Header + "AB"s);

    win.ListIndex = ws.ListCount - 1; // the record being captured
    Record_Delete(ws, win, services);
    Receive("C", 1);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][1] + "|" + ws.RecordText[r][2], "text of R1N2|"s + Header + "C");
}

TEST_F(PushedCapture, RefusesTheFiftyFirstTransmissionShowsItAndTakesTheNextIntoANewReport) {
    const std::int16_t r = AddReport(MaxRecords);
    dialogs.whileShown = [&] { Receive("+"); }; // read once the capture goes on
    Receive("first chunk ");
    Receive("second chunk", 2);

    EXPECT_EQ(dialogs.messages, std::vector<std::string>{" Maximum Record Number is 50! "});
    EXPECT_EQ(ws.RecordCount[r], MaxRecords);
    EXPECT_EQ(ws.ListCount, 1 + MaxRecords);
    EXPECT_EQ(win.Text1.text, "first chunk +second chunk");
    for (int n = 1; n <= MaxRecords; ++n)
        EXPECT_EQ(ws.RecordText[r][n], "text of R1N" + std::to_string(n));

    Receive("next", 6);
    EXPECT_EQ(dialogs.messages.size(), 2u) << "refused again, and told again";
    EXPECT_EQ(win.Text1.text, "next+");

    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    Receive("kept", 6);
    EXPECT_EQ(ws.RecordText[2][1], Header + "kept"s);
}

TEST_F(PushedCapture, LeavesTheBytesAloneInVeskModeOnAClosedPortAndOnAnOverrun) {
    AddReport();
    port.open = false;
    Receive("A");
    port.open = true;
    MSComm1_OnComm(state, ws, win, services, port, capture, CommEventOverrun);
    ws.TarnMode = false;
    ws.VeskMode = true;
    Receive("\x1b\x20\x09");

    EXPECT_EQ(port.incoming, "A\x1b\x20\x09");
    EXPECT_EQ(ws.RecordCount[1], 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PushedCapture, TakesTheLinkDownOnABreakWithTheCaptureOnDisk) {
    AddReport();
    Receive("A");
    MSComm1_OnComm(state, ws, win, services, port, capture, CommEventBreak);
    MSComm1_OnComm(state, ws, win, services, port, capture, CommEventBreak);

    EXPECT_TRUE(!port.open && !ws.Connected && ws.Disconnected);
    EXPECT_EQ(win.StatusPanel[0] + "|" + win.StatusPanel[1], "Disconnected|Serial Port : ");
    ASSERT_EQ(dialogs.messages.size(), 1u) << "told once";
    EXPECT_TRUE(dialogs.messages[0].starts_with("The connection to the test set was lost."));
    EXPECT_EQ(ReadFile(ws.RecordPath[1][1]), Header + "A\r\n"s);
}

} // namespace
} // namespace orvane::testing
