// Pushed text: the cleaning, the half-second ticks that cut transmissions, and what each
// transmission leaves in its record, its file and the text view.

#include "serial_test_world.h"

#include "serial/pushed_text_capture.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include <algorithm>
#include <array>

namespace orvane::testing {
namespace {

using namespace std::string_literals;

// The cleaning of a transmission is the same whether it comes whole, cut in two at any
// byte, or byte by byte.
TEST(PushedTextCleaning, RemovesTheSetupDropsLineFeedsEndsLinesWithCrLfWhereverItIsCut) {
    std::string others; // every byte but CR and LF stays
    for (int c = 0; c < 256; ++c)
        others += c == '\r' || c == '\n' ? "" : std::string(1, static_cast<char>(c));
    for (const auto& [transmission, cleaned] : std::vector<std::pair<std::string, std::string>>{
             {"\x1bR\x01\x1b\x32\x0f"s + "ABC", "ABC"},
             {"A\x1bR\x01\x1b\x32"s + "BC", "ABC"},
             {"\x1bR\x01\x1b\x32\x0f\x1bR\x01\x1b\x32"s + "X", "X"},
             {"\x1br\x01\x1b\x32"s + "X\x0fY", "X\x0fY"}, // any case; no SI next: the SI stays
             {"\x1br\x01\x1b\x32\x0f"s + "X", "X"},
             {"\x1bR\x02\x1b\x32X"s, "\x1bR\x02\x1b\x32X"s}, // other sequences stay
             {"\x1bS\x01\x1b\x32X"s, "\x1bS\x01\x1b\x32X"s},
             // Taking out the six bytes joins ESC R 01 ESC and "2" into the five-byte one.
             {"\x1bR\x01\x1b"s + "\x1bR\x01\x1b\x32\x0f"s + "2X", "X"},
             {"A\r\nB\r\n", "A\r\nB\r\n"},
             {"A\nB\rC\r", "AB\r\nC\r\n"},
             {"\n\r\n\n", "\r\n"},
             {"AB\x1bR\x01"s, "AB\x1bR\x01"s}, // ends inside a sequence: let go
             {"Q\x1bR\x01\x1b\x32"s, "Q"},     // ends on a whole one
             {"\x1b\x1bR\x01\x1b\x1bR"s, "\x1b\x1bR\x01\x1b\x1bR"s}, // starts of nothing
             {others, others},
         }) {
        SCOPED_TRACE(::testing::PrintToString(transmission));
        EXPECT_EQ(CleanPushedText(transmission), cleaned);
        for (std::size_t cut = 0; cut <= transmission.size(); ++cut) {
            PushedTextCleaner cleaner;
            std::string text = cleaner.Take(transmission.substr(0, cut));
            text += cleaner.Take(transmission.substr(cut));
            EXPECT_EQ(text + cleaner.Finish(), cleaned) << "cut at " << cut;
        }
        PushedTextCleaner cleaner;
        std::string text;
        for (const char byte : transmission)
            text += cleaner.Take(std::string(1, byte));
        EXPECT_EQ(text + cleaner.Finish(), cleaned) << "byte by byte";
    }
    // Matches are removed left to right and do not overlap.
    EXPECT_EQ(RemoveIgnoringCase("aaa", "aa") + RemoveIgnoringCase("xAbYaBz", "ab") +
                  RemoveIgnoringCase("abc", "") + RemoveIgnoringCase("a", "abc"),
              "axYzabca");
}

// The tick counter goes on at 6 after 5001 and the silence goes on with it: two ticks before
// the wrap are three after it, five make six (the silence has ended), a long one stays long.
TEST(Timer1Timer, CountsUpTo5001AndGoesOnAtSixKeepingTheSilence) {
    for (const auto& [tick, lastRx, tickAfter, lastRxAfter] :
         std::vector<std::array<int, 4>>{{0, 0, 1, 0},
                                         {5000, 10, 5001, 10},
                                         {5001, 4999, 6, 3},
                                         {5001, 4996, 6, 0},
                                         {5001, 100, 6, 0}}) {
        Workspace ws; // no transmission runs: the tables and the view are never reached
        WindowState win;
        PushedTextState state;
        state.TickCount = static_cast<std::int16_t>(tick);
        state.LastRxTick = static_cast<std::int16_t>(lastRx);
        Timer1_Timer(state, ws, win);
        EXPECT_TRUE(state.TickCount == tickAfter && state.LastRxTick == lastRxAfter)
            << "tick " << tick << ", last " << lastRx;
    }
}

constexpr char Header[] = "   RECORD:12052026-035651AM\r\n";

struct PushedWorld : SerialWorld {
    PushedTextState state;

    explicit PushedWorld(int tick = 100) : SerialWorld(TargetTarn, "TARN") {
        ws.Connected = port.open = true;
        state.TickCount = static_cast<std::int16_t>(tick);
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
// Timer1 asks for once, across the counter's wrap too) or with the link (as Disconnect ends it).
std::string FiledTransmission(const std::vector<std::string>& pieces, bool silenceEnds) {
    PushedWorld world(silenceEnds ? 4998 : 100);
    world.AddReport();
    for (const std::string& piece : pieces)
        world.Receive(piece);
    for (int tick = 1; tick <= TransmissionGapTicks + 1 && silenceEnds; ++tick)
        if (Timer1_Timer(world.state, world.ws, world.win)) {
            EXPECT_EQ(tick, TransmissionGapTicks);
            Create_iniFile(world.ws, world.services);
        }
    if (!silenceEnds) {
        End_Transmission(world.state, world.ws, world.win);
        Create_iniFile(world.ws, world.services);
    }
    EXPECT_EQ(world.win.Text1.text, world.ws.RecordText[1][1]);
    return ReadFile(world.ws.RecordPath[1][1]);
}

TEST(PushedCaptureCuts, OneTransmissionCutAnywhereGivesOneAndTheSameFile) {
    const std::string transmission = "\x1bR\x01\x1b\x32\x0fRESULT\r\n"s + "\x1br\x01\x1b\x32" +
                                     "LINE 2\r\n\x1bR\x01\x1b\x32\x0f";
    std::vector<std::string> bytes;
    for (const char byte : transmission)
        bytes.emplace_back(1, byte);
    for (const bool silenceEnds : {true, false}) {
        SCOPED_TRACE(silenceEnds ? "ended by the silence" : "ended by the link");
        EXPECT_EQ(FiledTransmission(bytes, silenceEnds), Header + "RESULT\r\nLINE 2\r\n\r\n"s);
        for (std::size_t cut = 0; cut < transmission.size(); ++cut)
            EXPECT_EQ(FiledTransmission({transmission.substr(0, cut), transmission.substr(cut)},
                                        silenceEnds),
                      Header + "RESULT\r\nLINE 2\r\n\r\n"s)
                << "cut at " << cut;
    }
}

TEST_F(PushedCapture, StoresTheTransmissionNeverInARecordOpenedForEditing) {
    const std::int16_t r = AddReport(1);
    ws.RecordInEditor = true;
    ws.EditReport = r;
    ws.EditRecord = 1;
    win.Text1.Set(ws.RecordText[r][1]);
    Receive("\x1bR\x01\x1b\x32\x0fRESULT\r\n"s);
    EXPECT_TRUE(!ws.RecordInEditor && win.Text1.visible && ws.Dirty);
    EXPECT_EQ(ws.RecordText[r][1] + "|" + ws.RecordText[r][2],
              "text of R1N1|"s + Header + "RESULT\r\n");
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][2]);
    EXPECT_EQ(win.Frame2Caption + "|" + ws.ListText[ws.ListCount - 1],
              "   RECORD:  12052026-035651AM|   RECORD:  12052026-035651AM");
}

TEST_F(PushedCapture, ContinuesAfterFiveTicksStartsAfterSixAndReadsEverythingWaiting) {
    const std::int16_t r = AddReport();
    state.TickCount = 5001; // data at the counter's top restarts it
    port.incoming = "left by an earlier reader, ";
    Receive("A\r");
    EXPECT_TRUE(state.TickCount == 0 && state.LastRxTick == 0);
    const std::uint32_t replaced = win.Text1.replaced;
    Receive("B\r", 5);
    EXPECT_EQ(win.Text1.replaced, replaced) << "appended, not replaced";
    EXPECT_EQ(std::count(port.calls.begin(), port.calls.end(), "Read 0"), 2);

    clock.now.second = 58;
    Receive("C\r", 6);
    ASSERT_EQ(ws.RecordCount[r], 2);
    EXPECT_EQ(ws.RecordText[r][1], Header + "left by an earlier reader, A\r\nB\r\n"s);
    EXPECT_EQ(ws.RecordText[r][2], "   RECORD:12052026-035658AM\r\nC\r\n");
    EXPECT_EQ(win.Text1.text, ws.RecordText[r][2]);
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
    EXPECT_TRUE(ws.RecordCount[r] == MaxRecords && ws.ListCount == 1 + MaxRecords);
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
    ws.TarnMode = !(ws.VeskMode = true);
    Receive("\x1b\x20\x09");
    EXPECT_EQ(port.incoming, "A\x1b\x20\x09");
    EXPECT_TRUE(ws.RecordCount[1] == 0 && dialogs.messages.empty());
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
