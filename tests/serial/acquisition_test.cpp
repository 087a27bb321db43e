// The printer-stream decoder: its byte vocabulary, runs, deliveries cut anywhere and hostile
// streams (random bytes are the fuzzer's).

#include "serial_test_world.h"

namespace orvane::testing {
namespace {

// Drawing position and flags | text drawn (alike on both pictures) | black/written dots |
// filings and the clipboard.
std::string Outcome(const AcquisitionRig& rig) {
    EXPECT_EQ(Printed(rig.imgScreen), Printed(rig.imgTemp));
    return rig.Drawing() + " " + Printed(rig.imgTemp) + "| " +
           std::to_string(rig.imgTemp.BlackCount()) + "/" + std::to_string(rig.imgTemp.pixelCalls) +
           " | filed " + std::to_string(rig.filer.filings.size()) +
           (rig.clipboard.image.png.empty() ? "" : " clip");
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
        for (const auto& [path, picture] : rig.filer.filings)
            EXPECT_EQ(path + picture.png, rig.ws.RecordPath[1][1] + rig.clipboard.image.png);
    }
}

TEST(AcquisitionRun, DecodesOnlyWhileRunningAndANewRunForgetsTheRecordOfTheLast) {
    AcquisitionRig rig(false);
    rig.Feed(TextStart + "abc"); // not started
    rig.loop.Start();
    rig.Feed(TextStart + "old" + GraphStart + Block(1, "\xFF") + Bytes({0x1B}));
    const std::string drawn = rig.Drawing();
    // A change of target stops the run before the next byte, even inside an escape.
    rig.ws.VeskMode = false;
    rig.Feed("R" + TextStart);
    EXPECT_TRUE(!rig.loop.Running() && rig.filer.filings.empty() && rig.imgTemp.printed.empty());
    // A new run keeps the graphic mode but not the record of the last run.
    rig.ws.VeskMode = true;
    rig.loop.Start();
    const std::string restarted = rig.Drawing();
    rig.Feed(Block(1, "\xFF") + EndPicture);
    EXPECT_TRUE(rig.filer.filings.empty()) << "the graph record belongs to the last run";
    rig.ws.Disconnected = true; // a Disconnect stops the run too
    rig.Feed(TextStart + "y");
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(drawn + "|" + restarted + "|" + Printed(rig.imgTemp) + "|" + rig.TextOf(1) + "|" +
                  std::to_string(rig.ws.RecordCount[1]),
              "r0 c1 p1 e1|r0 c0 p0 e1|0,7:R |old|2");
}

TEST(AcquisitionRun, DeliveryCutAtAnyByteGivesTheSameResult) {
    // Everything the user or the disk can see (paths aside: they name each rig's folder).
    const auto everything = [](const AcquisitionRig& rig) {
        std::string all = Outcome(rig) + rig.imgScreen.Image().png + rig.imgTemp.Image().png +
                          rig.win.Text1.text + std::to_string(rig.clipboard.clears) +
                          rig.clipboard.image.png + std::to_string(rig.loop.State().GraphicMode);
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

// Announced columns that never arrive cost nothing; the column and the row stop at 16 bits,
// however many bytes and line feeds come, and far below the picture nothing is drawn.
TEST(AcquisitionRun, HostileStreamsStayBounded) {
    AcquisitionRig rig(true, 40, 40);
    rig.Feed(Block(32767, "\xFF\xFF"));
    const std::size_t announced = rig.imgTemp.pixelCalls;
    const std::string block = Block(32767, std::string(32767, '\xFF'));
    rig.Feed(std::string(32765, '\xFF') + block + block);
    const int column = rig.loop.State().BandColumn;
    rig.Feed(GraphStart + "x" + std::string(100000, '\x0A') + Block(1, "\xFF"));
    EXPECT_EQ(std::to_string(announced) + " " + std::to_string(rig.imgTemp.pixelCalls) + " " +
                  std::to_string(column) + " " + std::to_string(rig.loop.State().BandRow) + " " +
                  std::to_string(rig.imgTemp.BlackCount()),
              "16 " + std::to_string(3u * 32767u * 8u + 8u) + " 32767 32767 0");
}

} // namespace
} // namespace orvane::testing
