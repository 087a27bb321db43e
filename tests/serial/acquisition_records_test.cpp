// Record starts and their window layout, where the captured text may go, the 50-record
// limit, filing failures, save points and the end of the link.

#include "serial_test_world.h"

#include "workspace/report_commands.h"

namespace orvane::testing {
namespace {

// The text is appended to the views shown (Text2 too), not replaced; hidden views or a new
// report meanwhile do not keep it from its record.
TEST(RecordText, GoesToTheViewsShownAndToItsOwnRecordNeverToOneBeingEdited) {
    AcquisitionRig rig;
    rig.Feed(TextStart);
    const auto replaced = rig.win.Text1.replaced;
    rig.win.Text2.visible = rig.ws.RecordInEditor = true; // the user opened a record in the view
    rig.Feed("x" + LineFeed);
    EXPECT_TRUE(!rig.ws.RecordInEditor && rig.win.Text2.text == "x\r\n" &&
                rig.win.Text1.replaced == replaced);
    ASSERT_TRUE(mnuNewReport_Click(rig.ws, rig.win, rig.services));
    rig.win.Text1.visible = rig.win.Text2.visible = false;
    rig.Feed("y");
    rig.ws.RecordInEditor = true;
    rig.Feed(TextStart);
    EXPECT_FALSE(rig.ws.RecordInEditor);
    EXPECT_EQ(rig.TextOf(1) + "|" + rig.ws.RecordText[2][1], "x\r\ny|");
}

TEST(RecordText, FollowsItsRecordWhenAnEarlierOneIsDeletedAndDiesWithIt) {
    AcquisitionRig rig;
    rig.Feed(GraphStart + TextStart + "one");
    std::string texts;
    for (const char* more : {"two", "three"}) {
        rig.win.ListIndex = 1; // record 1 of the open report
        Record_Delete(rig.ws, rig.win, rig.services);
        rig.Feed(more);
        texts += rig.TextOf(1) + "|";
    }
    EXPECT_EQ(texts, "onetwo||");
    for (int n = 0; n <= MaxRecords; ++n)
        EXPECT_EQ(rig.ws.RecordText[1][n].find("three"), std::string::npos) << "record " << n;
}

TEST(RecordLimit, FiftyFirstRecordIsRefusedAndStopsTheRunButNotTheLink) {
    AcquisitionRig rig;
    for (int i = 0; i < MaxRecords; ++i)
        rig.Feed(TextStart);
    rig.Feed(GraphStart + "after" + TextStart);
    EXPECT_TRUE(!rig.loop.Running() && rig.ws.Connected && rig.ws.RecordCount[1] == MaxRecords);
    rig.Feed(TextStart); // nothing is decoded until the next start
    EXPECT_EQ(rig.dialogs.messages, std::vector<std::string>{" Maximum Record Number is 50! "});
    EXPECT_EQ(rig.TextOf(50) + Printed(rig.imgTemp), "");
}

// A save is asked for once per delivery that starts a record or files its picture; a
// filing that fails is told, saves nothing, and the run goes on with the bytes in order.
TEST(RecordFiling, SavePointsOnlyAGraphGetsADocumentAndAFailedFilingIsTold) {
    AcquisitionRig rig;
    int saves = 0;
    rig.loop.OnSavePoint([&] { ++saves; });
    const std::string picture = Block(1, "\x01") + EndPicture;
    rig.Feed("text" + LineFeed + picture); // no record in this run yet
    rig.Feed(GraphStart + TextStart + picture);
    EXPECT_TRUE(rig.filer.filings.empty()) << "a text record has no document";
    EXPECT_NE(rig.clipboard.image.png, "") << "yet the picture is on the clipboard";
    rig.Feed(ScreenImageStart + picture);

    rig.filer.fail = true;
    rig.dialogs.whileShown = [&] { rig.Feed("Q"); }; // the port delivers meanwhile
    rig.Feed(LineFeed + Block(1, "\xFF") + EndPicture + "S");
    EXPECT_EQ(std::to_string(saves) + " " + Printed(rig.imgTemp) + rig.dialogs.messages.at(0),
              "2 0,7:R 0,23:R 8,23:S 16,23:Q Can't save the picture to " + rig.ws.RecordPath[1][3] +
                  "!");
    EXPECT_TRUE(rig.loop.Running() && rig.ws.RecordType[1][3] == KindGraph &&
                rig.dialogs.messages.size() == 1);
    EXPECT_EQ(rig.clipboard.image.png, rig.filer.filings.back().second.png) << "still there";

    rig.filer.fail = false;
    rig.Feed(LineFeed + Block(1, "\xFF") + EndPicture);
    ASSERT_EQ(rig.filer.filings.size(), 3u);
    EXPECT_TRUE(rig.filer.filings[2].first == rig.ws.RecordPath[1][3] && rig.imgTemp.IsBlack(0, 7))
        << "the first row is still in the picture";
    EXPECT_NE(rig.filer.filings[2].second.png, rig.filer.filings[1].second.png) << "grown";
}

// The link ends while a picture is drawn: what arrived is filed as the record's document
// at once, so the record survives; a document that holds all there is is not written again.
TEST(RecordsAtTheLinkEnd, APictureCutShortIsFiledWithWhatArrivedOfIt) {
    for (const auto& [bytes, filed] : std::vector<std::pair<std::string, bool>>{
             {GraphStart + Block(2, "\xFF\x81") + LineFeed + Block(1, "\x01"), true},
             {ScreenImageStart + "AB", true},
             {GraphStart, true}, // nothing drawn yet: an empty picture keeps the record
             {GraphStart + Block(1, "\xFF") + EndPicture, false},
             {GraphStart + Block(1, "\xFF") + EndPicture + LineFeed, false},
             {TextStart + "TEXT", false},
             {"before any record", false},
         }) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        AcquisitionRig rig;
        rig.Feed(bytes);
        const std::size_t expected = rig.filer.filings.size() + (filed ? 1 : 0);
        rig.loop.End();
        rig.loop.End(); // filed once
        ASSERT_TRUE(!rig.loop.Running() && rig.filer.filings.size() == expected);
        if (filed) { // what arrived, as the record's document
            EXPECT_EQ(rig.filer.filings.back().first + "|" + rig.filer.filings.back().second.png,
                      rig.ws.RecordPath[1][1] + "|" + rig.imgTemp.Image().png);
        }
        rig.Feed(TextStart + "late");
        EXPECT_EQ(rig.ws.RecordCount[1], bytes.starts_with("\x1b") ? 1 : 0)
            << "nothing decoded after the end";
    }
}

} // namespace
} // namespace orvane::testing
