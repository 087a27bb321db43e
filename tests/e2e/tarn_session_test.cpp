// A Tarn/TarnX test set pushes its screens over a pseudo-terminal into the real window: each
// screen, cut off by the silence after it, must be on disk exactly as the capture files it.

#ifndef _WIN32

#include "e2e_expected.h"
#include "e2e_session.h"

#include "serial/link.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PtyTestset;

class TarnSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (PtyTestset::ProgramPath().empty())
            GTEST_SKIP() << "KAVREL_TESTSET is not set";
        screens = PushedTransmissions(PtyTestset::Dump({"--tarn"}));
        ASSERT_EQ(screens.size(), 3U);
        session = std::make_unique<LiveSession>(dir.path());
        session->Start(TargetTarn);
    }

    // The text record `name` of the target folder holds the pushed `screen` under the stamp
    // its header line carries.
    void ExpectRecordFile(const std::string& name, const std::string& text) {
        const std::string file = testing::ReadFile(session->DataPath("TARN/" + name + ".txt"));
        const std::string stamp = file.substr(10, 17);
        EXPECT_TRUE(IsStamp(stamp)) << file;
        EXPECT_EQ(file, PushedRecordFile(stamp, text)) << name;
    }

    // The index lists the records of report 1 and nothing else; each is a RECORD.
    std::vector<IndexedRecord> ExpectIndexOfOneReport(std::size_t records) {
        const std::string index = testing::ReadFile(session->DataPath("TARN/TARN.ini"));
        const std::vector<IndexedRecord> listed = ListedRecords(index);
        EXPECT_EQ(listed.size(), records) << index;
        EXPECT_EQ(index,
                  OneReportIndex(session->ws.ReportName[1], listed, session->DataPath("TARN")));
        return listed;
    }

    testing::TempDir dir;
    std::vector<std::string> screens;
    std::unique_ptr<LiveSession> session;
};

TEST_F(TarnSessionTest, EachScreenAfterASilenceIsFiledAsItsOwnRecordByteForByte) {
    PtyTestset testset(TestsetOptions(
        dir.path(), 2, {"--tarn", "--baud", "38400", "--gap", "4", "--settle", "0.3"}));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(session->Connect(2)) << ::testing::PrintToString(session->dialogs.messages);

    // Header line, CR LF and the screen: the last record is complete.
    const std::size_t lastLength = 29 + PushedText(screens[2]).size();
    const Workspace& ws = session->ws;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ws.RecordCount[1] == 3 && ws.RecordText[1][3].size() >= lastLength; },
        HangGuardMs));
    session->Disconnect();
    // It was still in its final silence: it had played everything.
    EXPECT_EQ(testset.WaitForExit(10s), 0);

    const std::vector<IndexedRecord> listed = ExpectIndexOfOneReport(3);
    ASSERT_EQ(listed.size(), 3U);
    std::set<std::string> expectedFiles{"TARN.ini"};
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_TRUE(IsStamp(listed[i].name));
        ExpectRecordFile(listed[i].name, PushedText(screens[i]));
        expectedFiles.insert(listed[i].name + ".txt");
    }
    std::set<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(session->DataPath("TARN")))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, expectedFiles);
    EXPECT_TRUE(session->dialogs.messages.empty())
        << ::testing::PrintToString(session->dialogs.messages);
}

TEST_F(TarnSessionTest, APulledCableShowsTheLinkDownTellsTheUserOnceAndLosesNothing) {
    // Short pauses: the three screens are one transmission, still open when the set goes.
    PtyTestset testset(TestsetOptions(
        dir.path(), 4, {"--tarn", "--baud", "38400", "--gap", "0.3", "--settle", "0.3"}));
    ASSERT_TRUE(testset.Started()) << testset.Failure();
    ASSERT_TRUE(session->Connect(4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session->ws.Connected; }, HangGuardMs));
    EXPECT_EQ(testset.WaitForExit(10s), 0);
    // Time for a second message, should the loss be reported twice.
    QTest::qWait(300);

    EXPECT_EQ(session->Window().StatusPanel(0)->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(session->Window().StatusPanel(1)->text(), QStringLiteral("Serial Port : "));
    ASSERT_EQ(session->dialogs.messages.size(), 1U);
    EXPECT_TRUE(session->dialogs.messages[0].starts_with(LinkLostMessage))
        << session->dialogs.messages[0];

    const std::vector<IndexedRecord> listed = ExpectIndexOfOneReport(1);
    ASSERT_EQ(listed.size(), 1U);
    ExpectRecordFile(listed[0].name,
                     PushedText(screens[0]) + PushedText(screens[1]) + PushedText(screens[2]));
}

} // namespace
} // namespace orvane::e2e

#endif
