#include "workspace/list_mirror.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class ListMirror : public ::testing::Test {
  protected:
    ListMirror() {
        for (std::int16_t report = 1; report <= 4; ++report)
            AppendListLine(ws, win, "line " + std::to_string(report), report, 0);
    }
    Workspace ws;
    WindowState win;
};

TEST_F(ListMirror, TheSelectionFollowsItsLineOverInsertsAndRemovals) {
    win.ListIndex = 2;
    ws.ListSelection = 2;
    InsertListLine(ws, win, 1, "new", 9, 1);
    InsertListLine(ws, win, 4, "after", 9, 2);
    EXPECT_EQ(win.ListIndex, 3);
    EXPECT_EQ(ws.ListSelection, 3);
    EXPECT_EQ(ws.ListText[3], "line 3");
    RemoveListLines(ws, win, 0, 2);
    EXPECT_EQ(win.ListIndex, 1);
    EXPECT_EQ(ws.ListText[1], "line 3");
    RemoveListLines(ws, win, 1, 1);
    EXPECT_EQ(win.ListIndex, -1);
    EXPECT_EQ(ws.ListSelection, -1);
}

TEST_F(ListMirror, NoEditReachesBeyondTheLiveLinesOrTheHundredAndFirst) {
    EXPECT_FALSE(InsertListLine(ws, win, 5, "gap", 1, 1));
    EXPECT_FALSE(InsertListLine(ws, win, -1, "before", 1, 1));
    RemoveListLines(ws, win, -1, 1);
    RemoveListLines(ws, win, 4, 1);
    ASSERT_EQ(ws.ListCount, 4);
    RemoveListLines(ws, win, 1, 2);
    EXPECT_EQ(ws.ListText[1], "line 4");
    EXPECT_EQ(ws.ListReport[1], 4);
    RemoveListLines(ws, win, 0, 50);
    EXPECT_EQ(ws.ListText, ListTable<std::string>{}) << "vacated entries are cleared";
    EXPECT_EQ(ws.ListReport, ListTable<std::int16_t>{});

    while (ws.ListCount < MaxListLines)
        ASSERT_TRUE(AppendListLine(ws, win, "x", 1, 1));
    EXPECT_TRUE(ListHasRoomFor(ws, 0));
    EXPECT_FALSE(ListHasRoomFor(ws, 1));
    EXPECT_FALSE(InsertListLine(ws, win, 0, "one too many", 1, 1));
    EXPECT_EQ(ws.ListCount, MaxListLines);
    EXPECT_EQ(ws.ListText[0], "x");
}

} // namespace
} // namespace orvane
