#include "ui/logic/record_viewer.h"

#include "ui/logic/editor_link.h"
#include "workspace/report_commands.h"

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

// A line index as ListSelection holds it: -1 for none or for a line beyond the list table.
std::int16_t AsListSelection(int line) {
    return static_cast<std::int16_t>(line >= 0 && line < MaxListLines ? line : -1);
}

void ShowTextRecord(Workspace& ws, WindowState& win, int r, int n) {
    if (win.imgScreenVisible) {
        win.imgScreenVisible = false;
        win.scrGraphicVisible = false;
    }
    win.Text1.visible = true;
    win.Text1.Set(ws.RecordText[r][n]);
    ws.RecordInEditor = true;
}

void ShowGraphRecord(const Workspace& ws, WindowState& win, Services& services,
                     RecordViewDevices& devices, int r, int n) {
    win.Text1.visible = false;
    win.Text2.visible = false;
    win.imgScreenVisible = true;
    ClearGraphSurfaces(devices.surfaces);
    win.scrGraphicVisible = true;
    win.scrGraphicValue = 0;

    // The picture reaches the view the way the document hands it over: via the clipboard.
    devices.clipboard.Clear();
    const std::string& path = ws.RecordPath[r][n];
    std::optional<EncodedImage> picture;
    if (devices.readPicture)
        picture = devices.readPicture(path);
    if (!picture || !devices.surfaces.imgTemp.LoadPicture(*picture)) {
        // A blank view alone would look like an empty graph; the technician must know.
        services.dialogs.Message("The picture document " + path + " could not be read.");
        return;
    }
    devices.clipboard.SetImage(*picture);
    devices.surfaces.imgScreen.LoadPicture(*picture);
}

} // namespace

void List1_Click(Workspace& ws, WindowState& win, int line) {
    win.ListIndex = line;
    ws.ListSelection = AsListSelection(line);
    if (IsListLine(ws, line))
        ws.CurrentReport = ws.ListReport[line];
}

void List1_DblClick(Workspace& ws, WindowState& win, int line) {
    ws.ListDblClicked = true;
    List1_Click(ws, win, line);
    Show_Report_Info(ws, win, line);
}

bool List1_MouseUp(Workspace& ws, WindowState& win, Services& services, RecordViewDevices& devices,
                   MouseButton button) {
    ws.RecordInEditor = false;
    if (button == MouseButton::Right) {
        ws.ListSelection = AsListSelection(win.ListIndex);
        return true;
    }
    if (button != MouseButton::Left || !ws.ListDblClicked)
        return false;
    ws.ListDblClicked = false;

    const int line = ws.ListSelection;
    if (!IsListLine(ws, line))
        return false;
    if (ws.ListRecord[line] != 0) {
        mnuRecordOpen_Click(ws, win, services, devices);
        return false;
    }
    const int r = ws.ListReport[line];
    if (!IsLiveReport(ws, r))
        return false;
    ws.CurrentReport = static_cast<std::int16_t>(r);
    if (ws.ReportState[r] != ReportOpen)
        Popup_Report(ws, win, services);
    else
        Close_Report(ws, win);
    return false;
}

void mnuRecordOpen_Click(Workspace& ws, WindowState& win, Services& services,
                         RecordViewDevices& devices) {
    const int line = win.ListIndex;
    // With no current line there is nothing to open; the editing link stays ended.
    if (!IsListLine(ws, line))
        return;
    ws.ListSelection = static_cast<std::int16_t>(line);
    const int r = ws.ListReport[line];
    const int n = ws.ListRecord[line];
    if (!IsLiveReport(ws, r) || n < 0 || n > ws.RecordCount[r])
        return;
    ws.EditReport = static_cast<std::int16_t>(r);
    ws.EditRecord = static_cast<std::int16_t>(n);
    ws.RecordInEditor = false; // only a text record shown in Text1 takes the user's edits

    if (n == 0) {
        if (ws.ReportState[r] == ReportClosed) {
            // The line's own report, whatever was made current since the click.
            ws.CurrentReport = static_cast<std::int16_t>(r);
            Popup_Report(ws, win, services);
        }
        return;
    }

    win.Frame2Caption = ws.RecordLabel[r][n];
    const std::int16_t kind = ws.RecordType[r][n];
    if ((kind == KindRecord && ws.VeskMode) || ws.TarnMode)
        ShowTextRecord(ws, win, r, n);
    else if (kind == KindGraph && ws.VeskMode)
        ShowGraphRecord(ws, win, services, devices, r, n);
}

int scrGraphic_Change(WindowState& win, int value) {
    win.scrGraphicValue = std::max(value, 0);
    return -(win.scrGraphicValue / 10);
}

void Text1_Change(Workspace& ws, WindowState& win, std::string text) {
    UserEditText1(ws, win, std::move(text), false);
}

} // namespace orvane
