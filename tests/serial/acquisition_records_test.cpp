// Record starts and their window layout, the 50-record limit, filing failures and where the
// captured text may go.

#include "acquisition_fixture.h"

#include "workspace/report_commands.h"

namespace orvane::acquisition_tests {
namespace {

class Records : public ::testing::Test {
  protected:
    void SetUp() override { rig.Start(); }
    AcquisitionRig rig;
};

TEST_F(Records, GraphStartSwitchesToThePictureLayoutAndAddsAGraphRecord) {
    rig.win.Text2.visible = true;
    rig.win.scrGraphicValue = 120;

    rig.Feed(GraphStart);

    EXPECT_TRUE(rig.State().GraphicMode);
    EXPECT_FALSE(rig.win.Text1.visible);
    EXPECT_FALSE(rig.win.Text2.visible);
    EXPECT_TRUE(rig.win.imgScreenVisible);
    EXPECT_TRUE(rig.win.scrGraphicVisible);
    EXPECT_EQ(rig.win.scrGraphicValue, 0);
    EXPECT_TRUE(rig.win.ProgressVisible);
    EXPECT_TRUE(rig.progress.CounterTimerEnabled);
    EXPECT_TRUE(rig.progress.GraphTimerEnabled);
    EXPECT_FALSE(rig.progress.ScreenTimerEnabled);

    ASSERT_EQ(rig.ws.RecordCount[1], 1);
    EXPECT_EQ(rig.ws.ReportState[1], ReportOpen);
    EXPECT_EQ(rig.ws.RecordType[1][1], KindGraph);
    EXPECT_TRUE(rig.ws.RecordLabel[1][1].starts_with("   GRAPH:    "));
    EXPECT_TRUE(rig.ws.RecordPath[1][1].ends_with(".doc"));
    EXPECT_EQ(rig.ws.ListText[rig.ws.ListCount - 1], rig.ws.RecordLabel[1][1]);
    EXPECT_EQ(rig.win.Frame2Caption, rig.ws.RecordLabel[1][1]);
}

TEST_F(Records, ScreenImageStartRunsTheShortTimerAndShowsTheReportHeader) {
    rig.ws.ReportField[1][1] = "ACME";

    rig.Feed(ScreenImageStart);

    EXPECT_TRUE(rig.progress.ScreenTimerEnabled);
    EXPECT_FALSE(rig.progress.GraphTimerEnabled);
    EXPECT_EQ(rig.ws.RecordType[1][1], KindGraph);
    EXPECT_EQ(rig.win.Caption, "Kavrel::" + rig.ws.ReportName[1]);
    EXPECT_EQ(rig.win.HeaderBox[0], "ACME");
}

TEST_F(Records, GraphStartLeavesTheCaptionAlone) {
    const std::string caption = rig.win.Caption;
    rig.Feed(GraphStart);
    EXPECT_EQ(rig.win.Caption, caption);
}

TEST_F(Records, TextStartShowsTheNameLineWithoutStoringIt) {
    rig.win.imgScreenVisible = true;
    rig.win.scrGraphicVisible = true;
    rig.win.Text1.visible = false;
    rig.Feed(GraphStart);

    rig.Feed(TextStart);

    EXPECT_FALSE(rig.State().GraphicMode);
    EXPECT_FALSE(rig.win.imgScreenVisible);
    EXPECT_FALSE(rig.win.scrGraphicVisible);
    EXPECT_TRUE(rig.win.Text1.visible);
    ASSERT_EQ(rig.ws.RecordCount[1], 2);
    EXPECT_EQ(rig.ws.RecordType[1][2], KindRecord);
    EXPECT_TRUE(rig.ws.RecordPath[1][2].ends_with(".txt"));
    const std::string name = rig.ws.RecordLabel[1][2].substr(std::string("   RECORD:  ").size());
    EXPECT_EQ(name.size(), 17u);
    EXPECT_EQ(rig.win.Text1.text, name + "\r\n");
    EXPECT_EQ(rig.TextOf(2), "");
    EXPECT_EQ(rig.win.Caption, "Kavrel::" + rig.ws.ReportName[1]);
}

TEST_F(Records, TextGoesToTheTextViewsThatAreShown) {
    rig.Feed(TextStart);
    rig.win.Text2.visible = true;
    rig.Feed("x");
    EXPECT_EQ(rig.win.Text2.text, "x");

    rig.win.Text1.visible = false;
    rig.win.Text2.visible = false;
    rig.Feed("y");

    EXPECT_TRUE(rig.win.Text1.text.ends_with("x"));
    EXPECT_EQ(rig.TextOf(1), "xy") << "the record keeps its text while another view is shown";
}

TEST_F(Records, TextAppendsDoNotReplaceTheTextView) {
    rig.Feed(TextStart);
    const auto replaced = rig.win.Text1.replaced;
    rig.Feed("line" + Bytes({0x0A}));
    EXPECT_EQ(rig.win.Text1.replaced, replaced);
}

TEST_F(Records, CapturedTextNeverReachesARecordOpenedForEditing) {
    rig.Feed(TextStart + "first");
    rig.ws.RecordInEditor = true; // the user opened record 1 in the text view
    rig.ws.EditReport = 1;
    rig.ws.EditRecord = 1;

    rig.Feed("more");
    EXPECT_FALSE(rig.ws.RecordInEditor);

    rig.ws.RecordInEditor = true;
    rig.Feed(TextStart);
    EXPECT_FALSE(rig.ws.RecordInEditor);
    EXPECT_EQ(rig.TextOf(1), "firstmore");
}

TEST_F(Records, TextBeforeTheFirstRecordOfARunIsShownButNotKept) {
    rig.Feed(TextStart + "old");
    rig.Start();

    rig.Feed("stray");

    EXPECT_TRUE(rig.win.Text1.text.ends_with("oldstray"));
    EXPECT_EQ(rig.TextOf(1), "old");
    EXPECT_EQ(rig.ws.RecordText[1][0], "");
}

TEST_F(Records, TextFollowsItsRecordWhenANewReportIsMadeMeanwhile) {
    rig.Feed(TextStart + "one");
    ASSERT_TRUE(mnuNewReport_Click(rig.ws, rig.win, rig.services));

    rig.Feed("two");

    EXPECT_EQ(rig.TextOf(1), "onetwo");
    EXPECT_EQ(rig.ws.RecordText[2][1], "");
}

TEST_F(Records, TextFollowsItsRecordWhenAnEarlierRecordIsDeleted) {
    rig.Feed(GraphStart + TextStart + "one");
    ASSERT_EQ(rig.ws.RecordType[1][2], KindRecord);
    // Delete record 1: it sits on the line after the report's own line.
    rig.win.ListIndex = 1;
    rig.ws.ListSelection = 1;
    Record_Delete(rig.ws, rig.win, rig.services);
    ASSERT_EQ(rig.ws.RecordCount[1], 1);

    rig.Feed("two");

    EXPECT_EQ(rig.TextOf(1), "onetwo");
}

TEST_F(Records, TextOfADeletedRecordIsNotWrittenIntoAnother) {
    rig.Feed(TextStart + "one");
    rig.win.ListIndex = 1;
    rig.ws.ListSelection = 1;
    Record_Delete(rig.ws, rig.win, rig.services);

    rig.Feed("two");

    for (int n = 0; n <= MaxRecords; ++n)
        EXPECT_EQ(rig.ws.RecordText[1][n].find("two"), std::string::npos) << "record " << n;
}

TEST_F(Records, FiftyFirstRecordIsRefusedAndStopsTheRun) {
    for (int i = 0; i < MaxRecords; ++i)
        rig.Feed(TextStart);
    ASSERT_EQ(rig.ws.RecordCount[1], 50);
    ASSERT_TRUE(rig.dialogs.messages.empty());

    rig.Feed(GraphStart + "after" + TextStart);

    EXPECT_EQ(rig.ws.RecordCount[1], 50);
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0], " Maximum Record Number is 50! ");
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_TRUE(rig.ws.Connected) << "the link stays up";
    EXPECT_EQ(rig.TextOf(50), "");
    EXPECT_TRUE(rig.imgTemp.printed.empty());

    rig.Feed(TextStart);
    EXPECT_EQ(rig.dialogs.messages.size(), 1u) << "nothing is decoded until the next start";
}

TEST_F(Records, FilingFailureIsToldAndTheRecordAndTheRunGoOn) {
    rig.filer.fail = true;
    rig.Feed(GraphStart + BlockHeader(1) + Bytes({0xFF}) + EndPicture);

    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0],
              "Can't save the picture to " + rig.ws.RecordPath[1][1] + "!");
    EXPECT_EQ(rig.ws.RecordType[1][1], KindGraph);
    EXPECT_TRUE(rig.clipboard.image.has_value()) << "the picture is still on the clipboard";
    EXPECT_TRUE(rig.loop.Running());

    rig.filer.fail = false;
    rig.Feed(Bytes({0x0A}) + BlockHeader(1) + Bytes({0xFF}) + EndPicture);
    ASSERT_EQ(rig.filer.filings.size(), 2u);
    EXPECT_EQ(rig.filer.filings[1].path, rig.ws.RecordPath[1][1]);
    EXPECT_TRUE(rig.imgTemp.IsBlack(0, 0)) << "the first row is still in the picture";
}

TEST_F(Records, PictureOfATextRecordOrOfNoRecordGetsNoDocument) {
    rig.Feed(BlockHeader(1) + Bytes({0xFF}) + EndPicture);
    rig.Feed(TextStart + BlockHeader(1) + Bytes({0xFF}) + EndPicture);

    EXPECT_TRUE(rig.filer.filings.empty());
    EXPECT_TRUE(rig.clipboard.image.has_value());
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST_F(Records, BytesArrivingDuringAMessageFollowInOrder) {
    rig.filer.fail = true;
    struct FeedingDialogs final : Dialogs {
        ScreenLoop* loop = nullptr;
        std::vector<std::string> messages;
        void Message(std::string_view text) override {
            messages.emplace_back(text);
            loop->Feed("Q"); // the port delivers while the message box is up
        }
        bool Confirm(std::string_view) override { return true; }
    } dialogs;
    dialogs.loop = &rig.loop;
    Services services{rig.files, rig.clock, dialogs, rig.dir.str()};
    ScreenLoop loop{rig.ws,
                    rig.win,
                    services,
                    rig.progress,
                    {rig.imgScreen, rig.imgTemp, rig.clipboard, rig.filer}};
    dialogs.loop = &loop;
    loop.Start(rig.port);

    loop.Feed(GraphStart + BlockHeader(1) + Bytes({0xFF}) + EndPicture + "S");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    ASSERT_EQ(rig.imgTemp.printed.size(), 3u);
    EXPECT_EQ(rig.imgTemp.printed[0].text, "R");
    EXPECT_EQ(rig.imgTemp.printed[1].text, "S");
    EXPECT_EQ(rig.imgTemp.printed[2].text, "Q");
}

TEST_F(Records, RecordStartsAndFiledPicturesAskForASave) {
    int saves = 0;
    rig.loop.OnSavePoint([&] { ++saves; });

    rig.Feed("text" + Bytes({0x0A}));
    EXPECT_EQ(saves, 0);
    rig.Feed(GraphStart + TextStart);
    EXPECT_EQ(saves, 1) << "once per delivery";
    rig.Feed(ScreenImageStart + BlockHeader(1) + Bytes({0x01}));
    EXPECT_EQ(saves, 2);
    rig.Feed(EndPicture);
    EXPECT_EQ(saves, 3);

    rig.filer.fail = true;
    rig.Feed(BlockHeader(1) + Bytes({0x01}) + EndPicture);
    EXPECT_EQ(saves, 3);
}

} // namespace
} // namespace orvane::acquisition_tests
