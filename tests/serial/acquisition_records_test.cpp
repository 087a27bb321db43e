// Record starts and their window layout, where the captured text may go, the 50-record
// limit, filing failures and save points.

#include "serial_test_world.h"

#include "workspace/report_commands.h"

namespace orvane::testing {
namespace {

class Records : public ::testing::Test {
  protected:
    AcquisitionRig rig;

    // Record `n` of report 1, which is open: its line follows the report's own.
    void DeleteRecord(int n) {
        rig.win.ListIndex = n;
        Record_Delete(rig.ws, rig.win, rig.services);
    }
};

TEST(RecordStarts, EachKindSwitchesToItsLayoutAndAddsItsRecord) {
    struct Row {
        std::string start;
        bool graphic, screenTimer, showsReport;
    };
    for (const Row& row :
         {Row{GraphStart, true, false, false}, Row{ScreenImageStart, true, true, true},
          Row{TextStart, false, false, true}}) {
        SCOPED_TRACE(::testing::PrintToString(row.start));
        AcquisitionRig rig;
        rig.ws.ReportField[1][1] = "ACME";
        rig.win.imgScreenVisible = rig.win.scrGraphicVisible = rig.win.Text2.visible = true;
        rig.win.Text1.visible = false;
        rig.win.scrGraphicValue = 120;
        const std::string caption = rig.win.Caption;

        rig.Feed(row.start);

        EXPECT_EQ(rig.State().GraphicMode, row.graphic);
        EXPECT_EQ(rig.win.imgScreenVisible && rig.win.scrGraphicVisible, row.graphic);
        EXPECT_EQ(rig.win.Text1.visible, !row.graphic);
        EXPECT_EQ(rig.win.Text2.visible, !row.graphic);
        EXPECT_EQ(rig.win.scrGraphicValue, row.graphic ? 0 : 120);
        EXPECT_EQ(rig.win.ProgressVisible && rig.progress.CounterTimerEnabled, row.graphic);
        EXPECT_EQ(rig.progress.ScreenTimerEnabled, row.screenTimer);
        EXPECT_EQ(rig.progress.GraphTimerEnabled, row.graphic && !row.screenTimer);
        EXPECT_EQ(rig.win.Caption, row.showsReport ? "Kavrel::" + rig.ws.ReportName[1] : caption);
        EXPECT_EQ(rig.win.HeaderBox[0], row.showsReport ? "ACME" : "");
        EXPECT_EQ(rig.ws.RecordType[1][1], row.graphic ? KindGraph : KindRecord);
        // A text record's name (its label without "   RECORD:  ") is shown, not stored.
        EXPECT_EQ(rig.win.Text1.text,
                  row.graphic ? "" : rig.ws.RecordLabel[1][1].substr(12) + "\r\n");
        EXPECT_EQ(rig.TextOf(1), "");
    }
}

TEST_F(Records, TextGoesToTheViewsShownAndToItsOwnRecordNeverToOneBeingEdited) {
    rig.Feed(TextStart);
    const auto replaced = rig.win.Text1.replaced;
    rig.win.Text2.visible = true;
    rig.ws.RecordInEditor = true; // the user opened a record in the text view
    rig.Feed("x" + LineFeed);
    EXPECT_FALSE(rig.ws.RecordInEditor);
    EXPECT_EQ(rig.win.Text2.text, "x\r\n");
    EXPECT_EQ(rig.win.Text1.replaced, replaced) << "appended, not replaced";

    // A new report meanwhile, other views shown: the record still gets its text.
    ASSERT_TRUE(mnuNewReport_Click(rig.ws, rig.win, rig.services));
    rig.win.Text1.visible = rig.win.Text2.visible = false;
    rig.Feed("y");
    EXPECT_TRUE(rig.win.Text1.text.ends_with("x\r\n"));
    EXPECT_EQ(rig.TextOf(1) + "|" + rig.ws.RecordText[2][1], "x\r\ny|");

    rig.ws.RecordInEditor = true;
    rig.Feed(TextStart);
    EXPECT_FALSE(rig.ws.RecordInEditor);
}

TEST_F(Records, TextFollowsItsRecordWhenAnEarlierOneIsDeletedAndDiesWithIt) {
    rig.Feed(GraphStart + TextStart + "one");
    DeleteRecord(1);
    rig.Feed("two");
    EXPECT_EQ(rig.TextOf(1), "onetwo");

    DeleteRecord(1);
    rig.Feed("three");
    for (int n = 0; n <= MaxRecords; ++n)
        EXPECT_EQ(rig.ws.RecordText[1][n].find("three"), std::string::npos) << "record " << n;
}

TEST_F(Records, FiftyFirstRecordIsRefusedAndStopsTheRun) {
    for (int i = 0; i < MaxRecords; ++i)
        rig.Feed(TextStart);
    ASSERT_TRUE(rig.dialogs.messages.empty());

    rig.Feed(GraphStart + "after" + TextStart);

    EXPECT_EQ(rig.ws.RecordCount[1], MaxRecords);
    EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{" Maximum Record Number is 50! "});
    EXPECT_FALSE(rig.loop.Running());
    EXPECT_TRUE(rig.ws.Connected) << "the link stays up";
    EXPECT_EQ(rig.TextOf(50) + Printed(rig.imgTemp), "");

    rig.Feed(TextStart);
    EXPECT_EQ(rig.dialogs.messages.size(), 1u) << "nothing is decoded until the next start";
}

TEST_F(Records, FilingFailureIsToldAndTheRecordAndTheRunGoOnWithTheBytesInOrder) {
    rig.filer.fail = true;
    rig.dialogs.whileShown = [&] { rig.Feed("Q"); }; // the port delivers meanwhile
    rig.Feed(GraphStart + Block(1, "\xFF") + EndPicture + "S");

    EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{"Can't save the picture to " +
                                                             rig.ws.RecordPath[1][1] + "!"});
    EXPECT_EQ(Printed(rig.imgTemp), "0,7:R 8,7:S 16,7:Q ");
    EXPECT_EQ(rig.ws.RecordType[1][1], KindGraph);
    EXPECT_NE(rig.clipboard.image.png, "") << "the picture is still on the clipboard";
    EXPECT_TRUE(rig.loop.Running());

    rig.filer.fail = false;
    rig.Feed(LineFeed + Block(1, "\xFF") + EndPicture);
    ASSERT_EQ(rig.filer.filings.size(), 2u);
    EXPECT_EQ(rig.filer.filings[1].path, rig.ws.RecordPath[1][1]);
    EXPECT_NE(rig.filer.filings[1].image.png, rig.filer.filings[0].image.png) << "grown";
    EXPECT_TRUE(rig.imgTemp.IsBlack(0, 0)) << "the first row is still in the picture";
}

TEST_F(Records, RecordStartsAndFilingsAskForASaveOncePerDeliveryAndOnlyAGraphGetsADocument) {
    int saves = 0;
    rig.loop.OnSavePoint([&] { ++saves; });
    const std::string picture = Block(1, "\x01") + EndPicture;
    rig.Feed("text" + LineFeed + picture); // no record in this run yet
    EXPECT_EQ(saves, 0);
    rig.Feed(GraphStart + TextStart + picture);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(rig.filer.filings.empty()) << "a text record has no document";
    EXPECT_NE(rig.clipboard.image.png, "") << "yet the picture is on the clipboard";
    rig.Feed(ScreenImageStart + picture);
    EXPECT_EQ(saves, 2);
    rig.filer.fail = true;
    rig.Feed(picture);
    EXPECT_EQ(saves, 2) << "a failed filing saves nothing";
    EXPECT_EQ(rig.filer.filings.size(), 2u);
}

// The link ends while a picture is drawn: what arrived is filed as the record's document
// at once, so the record survives; a document that holds all there is is not written again.
TEST(RecordsAtTheLinkEnd, APictureCutShortIsFiledWithWhatArrivedOfIt) {
    struct Row {
        std::string bytes;
        bool filed;
    };
    for (const Row& row : {
             Row{GraphStart + Block(2, "\xFF\x81") + LineFeed + Block(1, "\x01"), true},
             Row{ScreenImageStart + "AB", true},
             Row{GraphStart, true}, // nothing drawn yet: an empty picture keeps the record
             Row{GraphStart + Block(1, "\xFF") + EndPicture, false},
             Row{GraphStart + Block(1, "\xFF") + EndPicture + LineFeed, false},
             Row{TextStart + "TEXT", false},
             Row{"before any record", false},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.bytes));
        AcquisitionRig rig;
        rig.Feed(row.bytes);
        const std::size_t before = rig.filer.filings.size();
        rig.loop.End();
        EXPECT_FALSE(rig.loop.Running());
        ASSERT_EQ(rig.filer.filings.size(), before + (row.filed ? 1 : 0));
        if (row.filed) {
            EXPECT_EQ(rig.filer.filings.back().path, rig.ws.RecordPath[1][1]);
            EXPECT_EQ(rig.filer.filings.back().image.png, rig.imgTemp.Image().png);
        }
        rig.loop.End();
        EXPECT_EQ(rig.filer.filings.size(), before + (row.filed ? 1 : 0)) << "filed once";
        rig.Feed(TextStart + "late");
        EXPECT_EQ(rig.ws.RecordCount[1], row.bytes.starts_with("\x1b") ? 1 : 0)
            << "nothing decoded after the end";
    }
}

} // namespace
} // namespace orvane::testing
