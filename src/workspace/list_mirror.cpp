#include "workspace/list_mirror.h"

#include <algorithm>
#include <utility>

namespace orvane {
namespace {

template <typename Index> void FollowInsert(Index& selection, int at) {
    if (selection >= at)
        selection = static_cast<Index>(selection + 1);
}

template <typename Index> void FollowRemove(Index& selection, int at, int count) {
    if (selection < at)
        return;
    selection = selection < at + count ? Index{-1} : static_cast<Index>(selection - count);
}

void ClearLine(Workspace& ws, int line) {
    ws.ListText[line].clear();
    ws.ListReport[line] = 0;
    ws.ListRecord[line] = 0;
}

} // namespace

bool ListHasRoomFor(const Workspace& ws, int lines) {
    return lines >= 0 && ws.ListCount + lines <= MaxListLines;
}

bool InsertListLine(Workspace& ws, WindowState& win, int at, std::string text, std::int16_t report,
                    std::int16_t record) {
    if (!ListHasRoomFor(ws, 1) || at < 0 || at > ws.ListCount)
        return false;
    const bool selectionListed = IsListLine(ws, ws.ListSelection);
    for (int line = ws.ListCount; line > at; --line) {
        ws.ListText[line] = std::move(ws.ListText[line - 1]);
        ws.ListReport[line] = ws.ListReport[line - 1];
        ws.ListRecord[line] = ws.ListRecord[line - 1];
    }
    ws.ListText[at] = std::move(text);
    ws.ListReport[at] = report;
    ws.ListRecord[at] = record;
    ++ws.ListCount;
    FollowInsert(win.ListIndex, at);
    if (selectionListed)
        FollowInsert(ws.ListSelection, at);
    return true;
}

bool AppendListLine(Workspace& ws, WindowState& win, std::string text, std::int16_t report,
                    std::int16_t record) {
    return InsertListLine(ws, win, ws.ListCount, std::move(text), report, record);
}

void RemoveListLines(Workspace& ws, WindowState& win, int at, int count) {
    if (at < 0 || at >= ws.ListCount)
        return;
    count = std::clamp(count, 0, ws.ListCount - at);
    if (count == 0)
        return;
    for (int line = at; line + count < ws.ListCount; ++line) {
        ws.ListText[line] = std::move(ws.ListText[line + count]);
        ws.ListReport[line] = ws.ListReport[line + count];
        ws.ListRecord[line] = ws.ListRecord[line + count];
    }
    for (int line = ws.ListCount - count; line < ws.ListCount; ++line)
        ClearLine(ws, line);
    if (IsListLine(ws, ws.ListSelection))
        FollowRemove(ws.ListSelection, at, count);
    ws.ListCount = static_cast<std::int16_t>(ws.ListCount - count);
    FollowRemove(win.ListIndex, at, count);
}

void ClearList(Workspace& ws, WindowState& win) {
    for (int line = 0; line < MaxListLines; ++line)
        ClearLine(ws, line);
    ws.ListCount = 0;
    ws.ListSelection = -1;
    win.ListIndex = -1;
}

int FindReportLine(const Workspace& ws, int report) {
    for (int line = 0; line < ws.ListCount; ++line)
        if (ws.ListReport[line] == report && ws.ListRecord[line] == 0)
            return line;
    return -1;
}

int CountRecordLinesAfter(const Workspace& ws, int reportLine) {
    if (!IsListLine(ws, reportLine))
        return 0;
    const int report = ws.ListReport[reportLine];
    int count = 0;
    for (int line = reportLine + 1; line < ws.ListCount; ++line, ++count)
        if (ws.ListReport[line] != report || ws.ListRecord[line] == 0)
            break;
    return count;
}

} // namespace orvane
