// A run of the loop: starting, stopping, deliveries cut anywhere, hostile streams.

#include "acquisition_fixture.h"

#include <memory>
#include <random>

namespace orvane::acquisition_tests {
namespace {

TEST(AcquisitionRun, StartDropsWhatWaitsOnThePortAndRestartsTheDrawingPosition) {
    AcquisitionRig rig;
    rig.port.incoming = "stale bytes";
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(rig.State().BandRow, -1);

    rig.Start();

    EXPECT_TRUE(rig.port.incoming.empty());
    EXPECT_TRUE(rig.loop.Running());
    EXPECT_EQ(rig.State().BandRow, 0);
    EXPECT_EQ(rig.State().BandColumn, 0);
    EXPECT_EQ(rig.State().GraphPending, 0);
}

TEST(AcquisitionRun, NothingIsDecodedBeforeStart) {
    AcquisitionRig rig;
    rig.Feed(TextStart + "abc");
    EXPECT_EQ(rig.ws.RecordCount[1], 0);
    EXPECT_EQ(rig.win.Text1.text, "");
}

TEST(AcquisitionRun, GraphicModeOutlivesTheRun) {
    AcquisitionRig rig;
    rig.Start();
    rig.Feed(GraphStart);
    rig.Start();

    EXPECT_TRUE(rig.State().GraphicMode);
    rig.Feed("Z");
    ASSERT_EQ(rig.imgTemp.printed.size(), 1u);
}

TEST(AcquisitionRun, DisconnectStopsTheRunWithoutAPhantomByte) {
    AcquisitionRig rig;
    rig.Start();
    rig.Feed(TextStart + "ab" + Bytes({0x1B}));

    rig.ws.Disconnected = true;
    rig.Feed("cd");

    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(rig.TextOf(1), "ab");
    EXPECT_TRUE(rig.win.Text1.text.ends_with("ab"));
}

TEST(AcquisitionRun, ChangeOfTargetStopsTheRun) {
    AcquisitionRig rig;
    rig.Start();
    rig.ws.VeskMode = false;
    rig.Feed(TextStart);
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_EQ(rig.ws.RecordCount[1], 0);
}

TEST(AcquisitionRun, NewRunAfterAStop) {
    AcquisitionRig rig;
    rig.Start();
    rig.ws.Disconnected = true;
    rig.Feed("x");
    rig.ws.Disconnected = false;

    rig.Start();
    rig.Feed(TextStart + "y");

    EXPECT_EQ(rig.TextOf(1), "y");
}

TEST(AcquisitionRun, FiredProgressTimerIsSwitchedOffAtTheTopOfTheNextTurn) {
    AcquisitionRig rig;
    rig.Start();
    rig.Feed(GraphStart);
    graphProgressBarCounter_Timer(rig.progress, rig.win);
    ASSERT_TRUE(rig.progress.GraphProgressTick);
    ASSERT_TRUE(rig.progress.GraphTimerEnabled);

    rig.Feed(Bytes({0xFF}));

    EXPECT_FALSE(rig.progress.GraphProgressTick);
    EXPECT_FALSE(rig.progress.GraphTimerEnabled);
}

// Everything a stream leaves behind that the user or the disk can see (paths aside: they
// name each rig's own folder).
struct Outcome {
    std::string screenImage, tempImage;
    std::vector<std::string> printed;
    std::string text1;
    std::vector<std::string> labels, texts;
    std::size_t filings = 0;
    std::string clipboardImage;
    int clipboardClears = 0;
    std::int16_t bandRow = 0, bandColumn = 0, graphPending = 0, escOnLine = 0;
    bool graphicMode = false;

    bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(const AcquisitionRig& rig) {
    Outcome outcome;
    outcome.screenImage = rig.imgScreen.Image().png;
    outcome.tempImage = rig.imgTemp.Image().png;
    for (const auto& p : rig.imgTemp.printed)
        outcome.printed.push_back(std::to_string(p.x) + "," + std::to_string(p.y) + ":" + p.text);
    outcome.text1 = rig.win.Text1.text;
    for (int n = 1; n <= rig.ws.RecordCount[1]; ++n) {
        outcome.labels.push_back(rig.ws.RecordLabel[1][n]);
        outcome.texts.push_back(rig.ws.RecordText[1][n]);
    }
    outcome.filings = rig.filer.filings.size();
    outcome.clipboardImage = rig.clipboard.image ? rig.clipboard.image->png : "";
    outcome.clipboardClears = rig.clipboard.clears;
    outcome.bandRow = rig.State().BandRow;
    outcome.bandColumn = rig.State().BandColumn;
    outcome.graphPending = rig.State().GraphPending;
    outcome.escOnLine = rig.State().EscOnLine;
    outcome.graphicMode = rig.State().GraphicMode;
    return outcome;
}

// Small surfaces keep the many rigs of these tests cheap.
std::unique_ptr<AcquisitionRig> StartedRig() {
    auto rig = std::make_unique<AcquisitionRig>(40, 40);
    rig->Start();
    return rig;
}

// One of each: text record with text and line feeds, a graph with two rows, printed text
// between rows, a filing, an empty block and an escape that starts nothing.
const std::string MixedStream = TextStart + "AB" + Bytes({0x0D, 0x0A}) + Bytes({0x1B, 0x20, 0x41}) +
                                GraphStart + BlockHeader(3) + Bytes({0xFF, 0x00, 0x80, 0x0A}) +
                                "Hz" + Bytes({0x0A}) + BlockHeader(2) + Bytes({0x0F, 0x52}) +
                                Bytes({0x1B, 0x4B, 0x00, 0x00}) + EndPicture + Bytes({0xFE, 0x0A}) +
                                ScreenImageStart + BlockHeader(1) + Bytes({0x0A});

TEST(AcquisitionRun, DeliveryCutAtAnyByteGivesTheSameResult) {
    auto whole = StartedRig();
    whole->Feed(MixedStream);
    const Outcome expected = OutcomeOf(*whole);
    ASSERT_EQ(expected.labels.size(), 3u);
    ASSERT_EQ(expected.filings, 2u); // the block ending in 52, then 1B 52

    for (std::size_t cut = 1; cut < MixedStream.size(); ++cut) {
        auto rig = StartedRig();
        rig->Feed(MixedStream.substr(0, cut));
        rig->Feed(MixedStream.substr(cut));
        EXPECT_TRUE(OutcomeOf(*rig) == expected) << "cut after byte " << cut;
    }
}

TEST(AcquisitionRun, DeliveryByteByByteGivesTheSameResult) {
    auto whole = StartedRig();
    whole->Feed(MixedStream);

    auto rig = StartedRig();
    for (const char byte : MixedStream)
        rig->Feed(std::string(1, byte));

    EXPECT_TRUE(OutcomeOf(*rig) == OutcomeOf(*whole));
}

TEST(AcquisitionRun, FloodOfLineFeedsStaysWithin16Bits) {
    auto rig = StartedRig();
    rig->Feed(GraphStart + "x" + std::string(100000, '\x0A'));

    EXPECT_EQ(rig->State().BandRow, 32767);
    rig->Feed(BlockHeader(1) + Bytes({0xFF}));
    EXPECT_EQ(rig->imgTemp.BlackCount(), 0u) << "far below the picture: clipped";
}

TEST(AcquisitionRun, RandomBytesNeitherCrashNorGrowWithoutBound) {
    std::mt19937 random(20261205);
    std::uniform_int_distribution<int> byte(0, 255);
    auto rig = StartedRig();
    std::size_t fed = 0;
    for (int chunk = 0; chunk < 200 && rig->loop.Running(); ++chunk) {
        std::string bytes(1 + static_cast<std::size_t>(byte(random)) * 16, '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        rig->Feed(bytes);
        fed += bytes.size();
    }

    EXPECT_LE(rig->imgTemp.pixelCalls, fed * 8) << "at most one column per byte received";
    EXPECT_LE(rig->ws.RecordCount[1], MaxRecords);
    for (int n = 1; n <= rig->ws.RecordCount[1]; ++n)
        EXPECT_LE(rig->ws.RecordText[1][n].size(), 2 * fed);
}

TEST(AcquisitionRun, StreamOfEscapesAloneStaysQuiet) {
    auto rig = StartedRig();
    rig->Feed(std::string(10001, '\x1B'));
    EXPECT_TRUE(rig->loop.Running());
    EXPECT_EQ(rig->ws.RecordCount[1], 0);
    EXPECT_TRUE(rig->imgTemp.printed.empty());
}

} // namespace
} // namespace orvane::acquisition_tests
