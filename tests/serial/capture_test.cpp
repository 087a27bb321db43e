// Pushed text: the cleaning, the half-second ticks that cut transmissions, and what each
// transmission leaves in its record, its file and the text view.

#include "serial_test_world.h"

#include "serial/pushed_text_capture.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

namespace orvane::testing {
namespace {

using namespace std::string_literals;

// `bytes` byte by byte, then cut in two at every byte.
std::vector<std::vector<std::string>> Deliveries(const std::string& bytes) {
    std::vector<std::vector<std::string>> all(1);
    for (const char byte : bytes)
        all[0].emplace_back(1, byte);
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut)
        all.push_back({bytes.substr(0, cut), bytes.substr(cut)});
    return all;
}

// The cleaning of a transmission is the same however it is cut.
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
        EXPECT_EQ(CleanPushedText(transmission), cleaned);
        for (const auto& pieces : Deliveries(transmission)) {
            PushedTextCleaner cleaner;
            std::string text;
            for (const std::string& piece : pieces)
                text += cleaner.Take(piece);
            EXPECT_EQ(text + cleaner.Finish(), cleaned) << ::testing::PrintToString(pieces);
        }
    }
    // Matches are removed left to right and do not overlap.
    EXPECT_EQ(RemoveIgnoringCase("aaa", "aa") + RemoveIgnoringCase("xAbYaBz", "ab") +
                  RemoveIgnoringCase("abc", "") + RemoveIgnoringCase("a", "abc"),
              "axYzabca");
}

constexpr char Header[] = "   RECORD:12052026-035651AM\r\n";

struct PushedWorld : SerialWorld {
    PushedTextState state;

    explicit PushedWorld(int tick = 100) : SerialWorld(TargetTarn, "TARN") {
        ws.Connected = port.open = true;
        state.TickCount = static_cast<std::int16_t>(tick);
    }

    // `ticks` half-seconds without data; the saves asked for meanwhile.
    int Silence(int ticks) {
        int saves = 0;
        while (ticks-- > 0)
            saves += Timer1_Timer(state, ws, win);
        return saves;
    }
    // `bytes` arrive after `silentTicks` half-seconds without data.
    void Receive(const std::string& bytes, int silentTicks = 0) {
        Silence(silentTicks);
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
    for (const bool silenceEnds : {true, false})
        for (const auto& pieces : Deliveries(transmission))
            EXPECT_EQ(FiledTransmission(pieces, silenceEnds), Header + "RESULT\r\nLINE 2\r\n\r\n"s)
                << (silenceEnds ? "silence " : "link ") << ::testing::PrintToString(pieces);
}

// Five silent half-second ticks keep a transmission going; the sixth ends it and asks for its
// save, once; the next data starts a record of its own (also when the data restarts the
// counter at its top).
TEST_F(PushedCapture, ContinuesAfterFiveSilentTicksAndStartsAfreshAfterSix) {
    const std::int16_t r = AddReport();
    state.TickCount = 5001;
    Receive("A\r");
    EXPECT_EQ(Silence(TransmissionGapTicks - 1), 0);
    Receive("B\r");
    clock.now.second = 58;
    EXPECT_EQ(Silence(TransmissionGapTicks), 1) << "the silence that ends a transmission saves it";
    Receive("C\r");
    EXPECT_EQ(Silence(3 * TransmissionGapTicks), 1) << "once, however long it lasts";
    EXPECT_EQ(std::to_string(ws.RecordCount[r]) + "|" + ws.RecordText[r][1] + "|" +
                  ws.RecordText[r][2],
              "2|"s + Header + "A\r\nB\r\n|   RECORD:12052026-035658AM\r\nC\r\n");
}

TEST_F(PushedCapture, StoresTheTransmissionNeverInARecordOpenedForEditing) {
    const std::int16_t r = AddReport(1);
    ws.EditReport = r, ws.EditRecord = 1, ws.RecordInEditor = true;
    win.Text1.Set(ws.RecordText[r][1]);
    Receive("\x1bR\x01\x1b\x32\x0fRESULT\r\n"s);
    EXPECT_TRUE(!ws.RecordInEditor && win.Text1.visible && ws.Dirty);
    EXPECT_EQ(ws.RecordText[r][1] + "|" + ws.RecordText[r][2] + "|" + win.Text1.text + "|" +
                  win.Frame2Caption + "|" + ws.ListText[ws.ListCount - 1],
              "text of R1N1|"s + Header + "RESULT\r\n|" + Header + "RESULT\r\n|" +
                  "   RECORD:  12052026-035651AM|   RECORD:  12052026-035651AM");
}

TEST_F(PushedCapture, FollowsItsRecordWhenAnEarlierOneIsDeletedAndStartsAfreshWhenItIs) {
    const std::int16_t r = AddReport(2);
    Receive("A");
    std::string texts;
    for (const int line : {1, 2}) { // record 1 of the open report, then the one captured
        win.ListIndex = line;
        Record_Delete(ws, win, services);
        Receive(line == 1 ? "B" : "C", 1);
        texts += ws.RecordText[r][1] + "|" + ws.RecordText[r][2] + "|";
    }
    EXPECT_EQ(texts + std::to_string(ws.RecordCount[r]),
              "text of R1N2|"s + Header + "AB|text of R1N2|" + Header + "C|2");
}

TEST_F(PushedCapture, RefusesTheFiftyFirstTransmissionShowsItAndTakesTheNextIntoANewReport) {
    const std::int16_t r = AddReport(MaxRecords);
    dialogs.whileShown = [&] { Receive("+"); }; // read once the capture goes on
    Receive("first chunk ");
    Receive("second chunk", 2);
    EXPECT_TRUE(ws.RecordCount[r] == MaxRecords && ws.ListCount == 1 + MaxRecords);
    const std::string shown = win.Text1.text;
    for (int n = 1; n <= MaxRecords; ++n)
        EXPECT_EQ(ws.RecordText[r][n], "text of R1N" + std::to_string(n));
    Receive("next", 6); // refused again, and told again
    EXPECT_EQ(dialogs.messages, std::vector<std::string>(2, " Maximum Record Number is 50! "));
    EXPECT_EQ(shown + "|" + win.Text1.text, "first chunk +second chunk|next+");
    ASSERT_TRUE(mnuNewReport_Click(ws, win, services));
    Receive("kept", 6);
    EXPECT_EQ(ws.RecordText[2][1], Header + "kept"s);
}

// Vesk mode, a closed port and an overrun leave the bytes alone; a break takes the link down
// once, with the capture on disk.
TEST_F(PushedCapture, LeavesTheBytesAloneInVeskModeOnAClosedPortOnAnOverrunAndEndsOnABreak) {
    AddReport();
    port.open = false;
    Receive("A");
    port.open = true;
    MSComm1_OnComm(state, ws, win, services, port, capture, CommEventOverrun);
    ws.TarnMode = !(ws.VeskMode = true);
    Receive("\x1b\x20\x09");
    EXPECT_EQ(port.incoming, "A\x1b\x20\x09");
    EXPECT_TRUE(ws.RecordCount[1] == 0 && dialogs.messages.empty());
    ws.TarnMode = !(ws.VeskMode = false);
    Receive("");
    for (int event = 0; event < 2; ++event)
        MSComm1_OnComm(state, ws, win, services, port, capture, CommEventBreak);
    EXPECT_TRUE(!port.open && !ws.Connected && ws.Disconnected && dialogs.messages.size() == 1);
    EXPECT_EQ(win.StatusPanel[0] + "|" + win.StatusPanel[1] + "|" +
                  dialogs.messages.at(0).substr(0, 40),
              "Disconnected|Serial Port : |The connection to the test set was lost.");
    EXPECT_EQ(ReadFile(ws.RecordPath[1][1]), Header + "A\x1b\x20\x09\r\n"s);
}

} // namespace
} // namespace orvane::testing
