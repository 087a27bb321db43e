#include "workspace/list_mirror.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class ListMirror : public ::testing::Test {
  protected:
    ListMirror() {
        for (int i = 0; i < 4; ++i)
            AppendListLine(ws, win, "line " + std::to_string(i), static_cast<std::int16_t>(i + 1),
                           0);
    }
    Workspace ws;
    WindowState win;
};

TEST_F(ListMirror, TheSelectionFollowsItsLineOverInsertsAndRemovals) {
    win.ListIndex = 2;
    ws.ListSelection = 2;

    InsertListLine(ws, win, 1, "new", 9, 1);
    EXPECT_EQ(win.ListIndex, 3);
    EXPECT_EQ(ws.ListSelection, 3);
    EXPECT_EQ(ws.ListText[3], "line 2");

    InsertListLine(ws, win, 4, "after", 9, 2);
    EXPECT_EQ(win.ListIndex, 3);

    RemoveListLines(ws, win, 0, 2);
    EXPECT_EQ(win.ListIndex, 1);
    EXPECT_EQ(ws.ListText[1], "line 2");

    RemoveListLines(ws, win, 1, 1);
    EXPECT_EQ(win.ListIndex, -1);
    EXPECT_EQ(ws.ListSelection, -1);
}

TEST_F(ListMirror, RemovedEntriesBeyondTheListAreCleared) {
    RemoveListLines(ws, win, 1, 2);
    EXPECT_EQ(ws.ListCount, 2);
    EXPECT_EQ(ws.ListText[1], "line 3");
    EXPECT_EQ(ws.ListReport[1], 4);
    for (int line = 2; line < 4; ++line) {
        EXPECT_EQ(ws.ListText[line], "");
        EXPECT_EQ(ws.ListReport[line], 0);
        EXPECT_EQ(ws.ListRecord[line], 0);
    }
}

TEST_F(ListMirror, OperationsOutsideTheListAreClippedOrRefused) {
    EXPECT_FALSE(InsertListLine(ws, win, 5, "gap", 1, 1));
    EXPECT_FALSE(InsertListLine(ws, win, -1, "before", 1, 1));
    RemoveListLines(ws, win, 3, 50);
    EXPECT_EQ(ws.ListCount, 3);
    RemoveListLines(ws, win, -1, 1);
    RemoveListLines(ws, win, 3, 1);
    EXPECT_EQ(ws.ListCount, 3);
}

TEST_F(ListMirror, NoLineBeyondTheHundredAndFirst) {
    while (ws.ListCount < MaxListLines)
        ASSERT_TRUE(AppendListLine(ws, win, "x", 1, 1));
    EXPECT_FALSE(ListHasRoomFor(ws, 1));
    EXPECT_TRUE(ListHasRoomFor(ws, 0));
    EXPECT_FALSE(AppendListLine(ws, win, "one too many", 1, 1));
    EXPECT_FALSE(InsertListLine(ws, win, 0, "one too many", 1, 1));
    EXPECT_EQ(ws.ListCount, MaxListLines);
    EXPECT_EQ(ws.ListText[0], "line 0");
}

TEST_F(ListMirror, FindsAReportLineAndCountsItsRecordLines) {
    InsertListLine(ws, win, 2, "r2/1", 2, 1);
    InsertListLine(ws, win, 3, "r2/2", 2, 2);
    EXPECT_EQ(FindReportLine(ws, 2), 1);
    EXPECT_EQ(FindReportLine(ws, 3), 4);
    EXPECT_EQ(FindReportLine(ws, 7), -1);
    EXPECT_EQ(CountRecordLinesAfter(ws, 1), 2);
    EXPECT_EQ(CountRecordLinesAfter(ws, 4), 0);
    EXPECT_EQ(CountRecordLinesAfter(ws, 5), 0);
}

} // namespace
} // namespace orvane
