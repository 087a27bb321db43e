// A run of the decoder: starting, stopping, deliveries cut anywhere, hostile streams.

#include "serial_test_world.h"

#include <memory>
#include <random>

namespace orvane::testing {
namespace {

TEST(AcquisitionRun, DecodesOnlyWhileRunningAndANewRunForgetsTheRecordOfTheLast) {
    AcquisitionRig rig(false);
    rig.Feed(TextStart + "abc");
    EXPECT_EQ(rig.ws.RecordCount[1], 0) << "not started";

    rig.loop.Start();
    rig.Feed(TextStart + "old" + GraphStart + Block(1, "\xFF") + Bytes({0x1B}));
    EXPECT_EQ(rig.Drawing(), "row 0 column 1 pending 1 esc 1");

    // A change of target stops the run before the next byte, even inside an escape.
    rig.ws.VeskMode = false;
    rig.Feed("R" + TextStart);
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_TRUE(rig.filer.filings.empty() && rig.imgTemp.printed.empty());

    // A new run keeps the graphic mode but not the record of the last run.
    rig.ws.VeskMode = true;
    rig.loop.Start();
    EXPECT_EQ(rig.Drawing(), "row 0 column 0 pending 0 esc 1");
    rig.Feed(Block(1, "\xFF") + EndPicture);
    EXPECT_EQ(Printed(rig.imgTemp), "0,7:R ");
    EXPECT_TRUE(rig.filer.filings.empty()) << "the graph record belongs to the last run";

    // A Disconnect stops the run too.
    rig.ws.Disconnected = true;
    rig.Feed(TextStart + "y");
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(rig.TextOf(1) + "|" + std::to_string(rig.ws.RecordCount[1]), "old|2");
}

TEST(AcquisitionRun, FiredProgressTimerIsSwitchedOffAtTheTopOfTheNextTurn) {
    AcquisitionRig rig;
    rig.Feed(GraphStart);
    graphProgressBarCounter_Timer(rig.progress, rig.win);
    ASSERT_TRUE(rig.progress.GraphProgressTick && rig.progress.GraphTimerEnabled);

    rig.Feed(Bytes({0xFF}));
    EXPECT_FALSE(rig.progress.GraphProgressTick || rig.progress.GraphTimerEnabled);
}

// Everything a stream leaves behind that the user or the disk can see (paths aside: they
// name each rig's own folder).
std::vector<std::string> OutcomeOf(const AcquisitionRig& rig) {
    std::vector<std::string> outcome{rig.imgScreen.Image().png,
                                     rig.imgTemp.Image().png,
                                     Printed(rig.imgTemp),
                                     rig.win.Text1.text,
                                     rig.clipboard.image.png,
                                     std::to_string(rig.clipboard.clears),
                                     rig.Drawing() + " graphic " +
                                         std::to_string(rig.State().GraphicMode)};
    for (const auto& filing : rig.filer.filings)
        outcome.push_back(filing.image.png);
    for (int n = 1; n <= rig.ws.RecordCount[1]; ++n)
        outcome.push_back(rig.ws.RecordLabel[1][n] + "=" + rig.ws.RecordText[1][n]);
    return outcome;
}

// Small surfaces keep the many rigs cheap.
std::unique_ptr<AcquisitionRig> SmallRig() {
    return std::make_unique<AcquisitionRig>(true, 40, 40);
}

TEST(AcquisitionRun, DeliveryCutAtAnyByteGivesTheSameResult) {
    // One of each: a text record with text and line feeds, a graph with two rows, printed
    // text between rows, two filings, an empty block and an escape that starts nothing.
    const std::string stream = TextStart + "AB" + Bytes({0x0D, 0x0A, 0x1B, 0x20, 0x41}) +
                               GraphStart + Block(3, Bytes({0xFF, 0x00, 0x80, 0x0A})) + "Hz" +
                               LineFeed + Block(2, "\x0F\x52") + Block(0) + EndPicture +
                               Bytes({0xFE, 0x0A}) + ScreenImageStart + Block(1, LineFeed);
    auto whole = SmallRig();
    whole->Feed(stream);
    const std::vector<std::string> expected = OutcomeOf(*whole);
    ASSERT_EQ(whole->ws.RecordCount[1], 3);
    ASSERT_EQ(whole->filer.filings.size(), 2u);

    for (std::size_t cut = 1; cut < stream.size(); ++cut) {
        auto rig = SmallRig();
        rig->Feed(stream.substr(0, cut));
        rig->Feed(stream.substr(cut));
        EXPECT_EQ(OutcomeOf(*rig), expected) << "cut after byte " << cut;
    }
    auto byByte = SmallRig();
    for (const char byte : stream)
        byByte->Feed(std::string(1, byte));
    EXPECT_EQ(OutcomeOf(*byByte), expected) << "byte by byte";
}

TEST(AcquisitionRun, HostileStreamsStayBoundedAndNeverCrash) {
    auto rig = SmallRig();
    // Announced columns that never arrive cost nothing; the column stops at 16 bits.
    rig->Feed(Block(32767, "\xFF\xFF"));
    EXPECT_EQ(rig->imgTemp.pixelCalls, 16u);
    const std::string block = Block(32767, std::string(32767, '\xFF'));
    rig->Feed(std::string(32765, '\xFF') + block + block);
    EXPECT_EQ(rig->imgTemp.pixelCalls, 3u * 32767u * 8u) << "one column per byte received";
    EXPECT_EQ(rig->State().BandColumn, 32767);
    // So does the row, however many line feeds come.
    rig->Feed(GraphStart + "x" + std::string(100000, '\x0A') + Block(1, "\xFF"));
    EXPECT_EQ(rig->State().BandRow, 32767);
    EXPECT_EQ(rig->imgTemp.BlackCount(), 0u) << "far below the picture: clipped";

    std::mt19937 random(20261205);
    std::uniform_int_distribution<int> byte(0, 255);
    std::size_t fed = 0;
    const std::size_t pixelsBefore = rig->imgTemp.pixelCalls;
    for (int chunk = 0; chunk < 200 && rig->loop.Running(); ++chunk) {
        std::string bytes(1 + static_cast<std::size_t>(byte(random)) * 16, '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        rig->Feed(bytes);
        fed += bytes.size();
    }
    EXPECT_LE(rig->imgTemp.pixelCalls - pixelsBefore, fed * 8) << "one column per byte at most";
    EXPECT_LE(rig->ws.RecordCount[1], MaxRecords);
    for (int n = 1; n <= rig->ws.RecordCount[1]; ++n)
        EXPECT_LE(rig->ws.RecordText[1][n].size(), 2 * fed);
}

} // namespace
} // namespace orvane::testing
