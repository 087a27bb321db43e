// A Tarn/TarnX test set pushes its screens into the real window over a pseudo-terminal: the
// capture must file them on disk byte for byte, however the link ends.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "e2e_fixture.h"

#include "serial/link.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;

class TarnSessionTest : public ::testing::TestWithParam<Delivery> {
  protected:
    void SetUp() override {
        if (PtyTestset::ProgramPath().empty())
            GTEST_SKIP() << "KAVREL_TESTSET is not set";
        screens = PushedTransmissions(PtyTestset::Dump({"--tarn"}));
        ASSERT_EQ(screens.size(), 3U);
        session.Start(TargetTarn);
    }

    testing::TempDir dir;
    std::vector<std::string> screens;
    LiveSession session{dir.path()};
};

// Whole writes, or the packets of a USB adapter cut anywhere (a printer set-up sequence
// split over two reads among them): the files are the same.
TEST_P(TarnSessionTest, EachScreenAfterASilenceIsFiledAsItsOwnRecordByteForByte) {
    PtyTestset testset(TestsetOptions(
        dir.path(), 2,
        Delivered(GetParam(), {"--tarn", "--baud", "38400", "--gap", "4", "--settle", "0.3"})));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(session.Connect(2)) << ::testing::PrintToString(session.dialogs.messages);
    // Complete when the last record holds its header line, CR LF and the last screen.
    const std::size_t lastLength = 29 + PushedText(screens[2]).size();
    const Workspace& ws = session.ws;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ws.RecordCount[1] == 3 && ws.RecordText[1][3].size() >= lastLength; },
        HangGuardMs));
    session.Disconnect();
    EXPECT_EQ(testset.WaitForExit(10s), 0); // in its final silence: it had played everything

    const std::vector<IndexedRecord> listed = ExpectPushedRecords(
        session, {PushedText(screens[0]), PushedText(screens[1]), PushedText(screens[2])});
    std::set<std::string> expectedFiles{"TARN.ini"}, files;
    for (const IndexedRecord& record : listed)
        expectedFiles.insert(record.name + ".txt");
    for (const fs::directory_entry& entry : fs::directory_iterator(session.DataPath("TARN")))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, expectedFiles);
    EXPECT_TRUE(session.dialogs.messages.empty())
        << ::testing::PrintToString(session.dialogs.messages);
}

TEST_P(TarnSessionTest, APulledCableShowsTheLinkDownTellsTheUserOnceAndLosesNothing) {
    // Short pauses: the three screens make one transmission, still open when the set goes.
    PtyTestset testset(TestsetOptions(
        dir.path(), 4,
        Delivered(GetParam(), {"--tarn", "--baud", "38400", "--gap", "0.3", "--settle", "0.3"})));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(session.Connect(4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.ws.Connected; }, HangGuardMs));
    EXPECT_EQ(testset.WaitForExit(10s), 0);
    QTest::qWait(300); // room for a second message, should the loss be told twice

    EXPECT_EQ(session.window->StatusPanel(0)->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(session.window->StatusPanel(1)->text(), QStringLiteral("Serial Port : "));
    ASSERT_EQ(session.dialogs.messages.size(), 1U);
    EXPECT_TRUE(session.dialogs.messages[0].starts_with(LinkLostMessage));
    ExpectPushedRecords(session,
                        {PushedText(screens[0]) + PushedText(screens[1]) + PushedText(screens[2])});
}

INSTANTIATE_TEST_SUITE_P(Deliveries, TarnSessionTest,
                         ::testing::Values(Delivery::WholeWrites, Delivery::Packets), DeliveryName);

} // namespace
} // namespace orvane::e2e

#endif
