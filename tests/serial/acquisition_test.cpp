// The printer-stream decoder: its byte vocabulary, runs, deliveries cut anywhere, hostile
// streams and the progress bar.

#include "serial_test_world.h"

#include <random>

namespace orvane::testing {
namespace {

// Columns [from, to) of the band at `top`, top down: 1 black, 0 white, . never written.
std::string Columns(const RecordingSurface& surface, int from, int to, int top = 0) {
    std::string dots;
    for (int x = from; x < to; ++x) {
        for (int y = top; y < top + 8; ++y)
            dots += surface.IsBlack(x, y) ? '1' : surface.WasWritten(x, y) ? '0' : '.';
        dots += x + 1 < to ? " " : "";
    }
    return dots;
}

// Drawing position and flags | text drawn (alike on both pictures) | black/written dots |
// filings and the clipboard.
std::string Outcome(const AcquisitionRig& rig) {
    EXPECT_EQ(Printed(rig.imgScreen), Printed(rig.imgTemp));
    return rig.Drawing() + " " + Printed(rig.imgTemp) + "| " +
           std::to_string(rig.imgTemp.BlackCount()) + "/" + std::to_string(rig.imgTemp.pixelCalls) +
           " | filed " + std::to_string(rig.filer.filings.size()) +
           (rig.clipboard.image.png.empty() ? "" : " clip");
}

TEST(Decoder, DrawsColumnsMostSignificantBitOnTopAndGoesOnWhereTheBlockEnded) {
    AcquisitionRig rig;
    rig.Feed(GraphStart + Bytes({0x1B, 0x4B, 0x03, 0x00, 0xFF, 0x00, 0x80}) + Block(1, "\x01"));
    for (const auto* surface : {&rig.imgScreen, &rig.imgTemp})
        EXPECT_EQ(Columns(*surface, 0, 5), "11111111 00000000 10000000 00000001 ........");
    // After a line feed the next row of dots starts one band lower at the left edge.
    rig.Feed(LineFeed + Block(1, "\xFF"));
    EXPECT_EQ(Columns(rig.imgTemp, 0, 1, 8), "11111111");
}

TEST(Decoder, EachStreamLeavesItsDrawingTextAndFilings) {
    std::string high;
    for (int c = 0x7B; c <= 0xFF; ++c)
        high += static_cast<char>(c);
    const std::vector<std::pair<std::string, std::string>> rows{
        {Block(0), "r0 c0 p1 e1 | 0/0 | filed 0"},
        // nH from 128 on is left out of the column count: the third FF is dropped.
        {Bytes({0x1B, 0x4B, 0x02, 0x80, 0xFF, 0xFF, 0xFF}), "r0 c2 p1 e1 | 16/16 | filed 0"},
        // The last data byte of a block also acts as itself, inner ones are only dots.
        {GraphStart + Block(1, "\x52"), "r0 c1 p1 e0 0,7:R | 3/8 | filed 1 clip"},
        {GraphStart + Block(1, "\x0A") + "A", "r1 c0 p1 e0 0,23:A | 2/8 | filed 0"},
        {GraphStart + Block(2, Bytes({0x00, 0x41})), "r0 c2 p1 e0 1,7:A | 2/16 | filed 0"},
        {GraphStart + Block(4, Bytes({0x52, 0x0A, 0x41, 0x00})), "r0 c4 p1 e1 | 7/32 | filed 0"},
        {GraphStart + LineFeed + EndPicture, "r2 c0 p1 e0 0,16:R | 0/0 | filed 0"},
        {GraphStart + Block(1, "\xF0") + EndPicture, "r0 c1 p1 e0 0,7:R | 4/8 | filed 1 clip"},
        // A line feed advances one band after a bit-image row, two after text.
        {GraphStart + Block(1, Bytes({0x00, 0x0A})) + LineFeed + "AB" + LineFeed + LineFeed,
         "r6 c0 p1 e0 0,39:A 8,39:B | 0/8 | filed 0"},
        // Text records: an escape that starts nothing leaves its code printable, CR is
        // dropped, LF is typed as CR LF, 1B 1B makes 1B the code, high and control bytes go.
        {TextStart + Bytes({0x1B, 0x20, 0x41}), "A"},
        {TextStart + Bytes({0x41, 0x42, 0x0D, 0x0A}), "AB\r\n"},
        {TextStart + Bytes({0x1B, 0x42, 0x1B, 0x0A, 0x1B, 0x1B, 0x4B}), "B\r\nK"},
        {TextStart + "a" + high + Bytes({0x00, 0x09, 0x0D, 0x1A}) + "z", "az"},
    };
    for (const auto& [bytes, outcome] : rows) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        AcquisitionRig rig;
        rig.Feed(bytes);
        // A text record's name is shown above its text, not stored.
        EXPECT_EQ(rig.win.Text1.text,
                  bytes.starts_with(TextStart) ? "12052026-035651AM\r\n" + rig.TextOf(1) : "");
        EXPECT_EQ(bytes.starts_with(TextStart) ? rig.TextOf(1) : Outcome(rig), outcome);
        for (const auto& filing : rig.filer.filings) {
            EXPECT_EQ(filing.first, rig.ws.RecordPath[1][1]);
            EXPECT_EQ(filing.second.png, rig.clipboard.image.png);
        }
    }
}

TEST(Decoder, PictureStartDropsTheLoadedPictureAndClearsAgainAtTheTopOfTheNextTurn) {
    AcquisitionRig rig;
    rig.Feed(GraphStart + Block(1, Bytes({0xFF, 0x0A})));
    rig.imgTemp.LoadPicture({"picture", 1, 1});
    rig.Feed(ScreenImageStart);
    EXPECT_EQ(rig.imgTemp.loaded.png, "");
    EXPECT_EQ(rig.imgScreen.BlackCount(), 0u);
    EXPECT_EQ(rig.Drawing(), "r1 c0 p1 e1") << "kept until the next turn";
    const int clears[] = {rig.imgTemp.clears, rig.clipboard.clears};

    rig.Feed(Bytes({0x7B}));
    EXPECT_EQ(rig.imgTemp.clears, clears[0] + 1);
    EXPECT_EQ(rig.imgScreen.clears, rig.imgTemp.clears);
    EXPECT_EQ(rig.clipboard.clears, clears[1] + 1);
    EXPECT_EQ(rig.Drawing(), "r0 c0 p0 e0");
}

TEST(AcquisitionRun, DecodesOnlyWhileRunningAndANewRunForgetsTheRecordOfTheLast) {
    AcquisitionRig rig(false);
    rig.Feed(TextStart + "abc");
    EXPECT_EQ(rig.ws.RecordCount[1], 0) << "not started";

    rig.loop.Start();
    rig.Feed(TextStart + "old" + GraphStart + Block(1, "\xFF") + Bytes({0x1B}));
    EXPECT_EQ(rig.Drawing(), "r0 c1 p1 e1");
    // A change of target stops the run before the next byte, even inside an escape.
    rig.ws.VeskMode = false;
    rig.Feed("R" + TextStart);
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_TRUE(rig.filer.filings.empty() && rig.imgTemp.printed.empty());

    // A new run keeps the graphic mode but not the record of the last run.
    rig.ws.VeskMode = true;
    rig.loop.Start();
    EXPECT_EQ(rig.Drawing(), "r0 c0 p0 e1");
    rig.Feed(Block(1, "\xFF") + EndPicture);
    EXPECT_EQ(Printed(rig.imgTemp), "0,7:R ");
    EXPECT_TRUE(rig.filer.filings.empty()) << "the graph record belongs to the last run";

    rig.ws.Disconnected = true; // a Disconnect stops the run too
    rig.Feed(TextStart + "y");
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(rig.TextOf(1) + "|" + std::to_string(rig.ws.RecordCount[1]), "old|2");
}

TEST(AcquisitionRun, DeliveryCutAtAnyByteGivesTheSameResult) {
    // Everything the user or the disk can see (paths aside: they name each rig's folder).
    const auto everything = [](const AcquisitionRig& rig) {
        std::string all = Outcome(rig) + rig.imgScreen.Image().png + rig.imgTemp.Image().png +
                          rig.win.Text1.text + std::to_string(rig.clipboard.clears) +
                          rig.clipboard.image.png + std::to_string(rig.State().GraphicMode);
        for (const auto& filing : rig.filer.filings)
            all += "|" + filing.second.png;
        for (int n = 1; n <= rig.ws.RecordCount[1]; ++n)
            all += "|" + rig.ws.RecordLabel[1][n] + "=" + rig.ws.RecordText[1][n];
        return all;
    };
    // A text record with line feeds, a graph of two rows with text between, two filings,
    // an empty block and an escape that starts nothing.
    const std::string stream = TextStart + "AB" + Bytes({0x0D, 0x0A, 0x1B, 0x20, 0x41}) +
                               GraphStart + Block(3, Bytes({0xFF, 0x00, 0x80, 0x0A})) + "Hz" +
                               LineFeed + Block(2, "\x0F\x52") + Block(0) + EndPicture +
                               Bytes({0xFE, 0x0A}) + ScreenImageStart + Block(1, LineFeed);
    AcquisitionRig whole(true, 40, 40); // small pictures keep the many rigs cheap
    whole.Feed(stream);
    ASSERT_EQ(whole.ws.RecordCount[1] * 10 + whole.filer.filings.size(), 32u);
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        AcquisitionRig rig(true, 40, 40);
        if (cut == stream.size()) // byte by byte
            for (const char byte : stream)
                rig.Feed(std::string(1, byte));
        else
            rig.Feed(stream.substr(0, cut)), rig.Feed(stream.substr(cut));
        EXPECT_EQ(everything(rig), everything(whole)) << "cut after byte " << cut;
    }
}

TEST(AcquisitionRun, HostileStreamsStayBoundedAndNeverCrash) {
    AcquisitionRig rig(true, 40, 40);
    // Announced columns that never arrive cost nothing; the column stops at 16 bits.
    rig.Feed(Block(32767, "\xFF\xFF"));
    EXPECT_EQ(rig.imgTemp.pixelCalls, 16u);
    const std::string block = Block(32767, std::string(32767, '\xFF'));
    rig.Feed(std::string(32765, '\xFF') + block + block);
    EXPECT_EQ(rig.imgTemp.pixelCalls, 3u * 32767u * 8u) << "one column per byte received";
    EXPECT_EQ(rig.State().BandColumn, 32767);
    // So does the row, however many line feeds come.
    rig.Feed(GraphStart + "x" + std::string(100000, '\x0A') + Block(1, "\xFF"));
    EXPECT_EQ(rig.State().BandRow, 32767);
    EXPECT_EQ(rig.imgTemp.BlackCount(), 0u) << "far below the picture: clipped";

    std::mt19937 random(20261205);
    std::uniform_int_distribution<int> byte(0, 255);
    std::size_t fed = 0;
    const std::size_t pixelsBefore = rig.imgTemp.pixelCalls;
    for (int chunk = 0; chunk < 200 && rig.loop.Running(); ++chunk) {
        std::string bytes(1 + static_cast<std::size_t>(byte(random)) * 16, '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        rig.Feed(bytes);
        fed += bytes.size();
    }
    EXPECT_LE(rig.imgTemp.pixelCalls - pixelsBefore, fed * 8) << "one column per byte at most";
    EXPECT_LE(rig.ws.RecordCount[1], MaxRecords);
    for (int n = 1; n <= rig.ws.RecordCount[1]; ++n)
        EXPECT_LE(rig.ws.RecordText[1][n].size(), 2 * fed);
}

// The bar moves in steps of ten and the counter starts again at 0 after 32760; only a timer
// that fired is switched off, at the top of the decoder's next turn; after a reset a late
// timeout does nothing.
TEST(Progress, CounterWrapsFiredTimersStopAtTheNextTurnAndAResetSilencesLateTimeouts) {
    AcquisitionRig rig;
    ProgressDisplay& progress = rig.progress;
    rig.Feed(GraphStart + ScreenImageStart);
    progress.Counter = 32740;
    std::string values;
    for (int tick = 0; tick < 4; ++tick) {
        tmrProgressBarCounter_Timer(progress, rig.win);
        values +=
            std::to_string(progress.Counter) + ":" + std::to_string(rig.win.ProgressValue) + " ";
    }
    EXPECT_EQ(values, "32750:50 32760:60 0:0 10:10 ");
    screenProgressBarCounter_Timer(progress, rig.win);
    EXPECT_FALSE(rig.win.ProgressVisible || progress.CounterTimerEnabled);
    EXPECT_TRUE(progress.ScreenTimerEnabled) << "until the next turn";
    rig.Feed(Bytes({0xFF}));
    EXPECT_FALSE(progress.ScreenTimerEnabled || progress.ScreenProgressTick);
    EXPECT_TRUE(progress.GraphTimerEnabled && !progress.GraphProgressTick);
    graphProgressBarCounter_Timer(progress, rig.win);
    rig.Feed(Bytes({0xFF}));
    EXPECT_FALSE(progress.GraphTimerEnabled || progress.GraphProgressTick);

    Start_Progress(progress, rig.win, ProgressKind::Screen);
    Reset_Progress(progress, rig.win);
    tmrProgressBarCounter_Timer(progress, rig.win);
    screenProgressBarCounter_Timer(progress, rig.win);
    graphProgressBarCounter_Timer(progress, rig.win);
    EXPECT_FALSE(progress.CounterTimerEnabled || progress.ScreenTimerEnabled ||
                 progress.GraphTimerEnabled || progress.GraphProgressTick ||
                 progress.ScreenProgressTick || rig.win.ProgressVisible);
    EXPECT_EQ(progress.Counter, 10);
}

} // namespace
} // namespace orvane::testing
