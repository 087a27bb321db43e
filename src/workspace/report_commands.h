#pragma once
// The user's commands on reports and records: new report, opening and closing a report in
// the list, the header fields, deleting and renaming. Each keeps List1's mirror in step with
// the tables; only deletions touch the disk at once (they remove the record files).

#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <string_view>

namespace orvane {

inline constexpr std::string_view MaximumReportMessage = " Maximum Report Number is 50! ";
inline constexpr std::string_view RemoveRecordQuestion =
    "Are you sure you want to remove the Record?";
inline constexpr std::string_view RemoveReportQuestion =
    "Are you sure you want to remove the Report and remove all its contents?";
inline constexpr std::string_view DisconnectFirstMessage = "Disconnect first!";

// True when `report` names one of the live reports 1..ReportCount.
bool IsLiveReport(const Workspace& ws, int report);

// New Workspace: a closed, empty report "WORKSPACE_" & stamp at the end of the list, made
// current, with empty header boxes. Refused with a message when 50 reports exist or the
// list is full; true when the report was made.
bool mnuNewReport_Click(Workspace& ws, WindowState& win, Services& services);

// Lists the records of CurrentReport under its line and marks it open. Refused with a
// message when its lines do not fit into the list; true when the report is open afterwards.
bool Popup_Report(Workspace& ws, WindowState& win, Services& services);
// Removes the record lines of CurrentReport from the list and marks it closed.
void Close_Report(Workspace& ws, WindowState& win);

// "Save User's Info": the four header boxes become the fields of CurrentReport.
void cmdOK_Click(Workspace& ws, const WindowState& win);
// "Cancel": empties the header boxes; the stored fields stay.
void cmdCancel_Click(WindowState& win);

// For a record line: caption "Kavrel::" & its report's line, header boxes from the fields of
// CurrentReport. Report lines and lines outside the list change nothing.
void Show_Report_Info(const Workspace& ws, WindowState& win, int line);

// "Delete" on the selected line (WindowState::ListIndex): the record, or the report with all
// its records. Each asks first; nothing happens without a selected line. While the link is
// up, the newest report (where captures go), the report holding the record being captured
// and that record itself (its file `liveRecordPath`; empty when none) are refused with
// "Disconnect first!".
void mnuRecordDelete_Click(Workspace& ws, WindowState& win, Services& services,
                           std::string_view liveRecordPath = {});
void Record_Delete(Workspace& ws, WindowState& win, Services& services);
void Report_Delete(Workspace& ws, WindowState& win, Services& services);

// OK of the rename dialog: names the selected report or record after `boxText` (a text
// shorter than 16 characters gets "_" & stamp appended). No file changes.
void Form5_cmdOK_Click(Workspace& ws, WindowState& win, Services& services,
                       std::string_view boxText);

} // namespace orvane
