#include "ui/logic/target_selection.h"

#include "workspace/data_paths.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include <string>

namespace orvane {

namespace {

void SetTargetState(Workspace& ws, WindowState& win, const TargetFamily& family) {
    win.StatusPanel[2] = std::string(family.statusText);
    ws.TypeOfTarget = family.type;
    ws.TargetDir = std::string(family.keyword);
    ws.TarnMode = family.tarnMode;
    ws.VeskMode = !family.tarnMode;
}

// A directory that cannot be made is left to the first write into it to report.
void EnsureTargetDirectory(Services& services, const TargetFamily& family) {
    const std::string dir = TargetDirectory(services.dataRoot, family.keyword);
    if (!services.files.IsDirectory(dir))
        services.files.MakeDirectory(dir);
}

void ClearView(Workspace& ws, WindowState& win, GraphSurfaces& surfaces) {
    if (win.Text1.visible) {
        // Emptying the view is not an edit of the record shown in it.
        ws.RecordInEditor = false;
        win.Text1.Clear();
    } else if (win.imgScreenVisible) {
        ClearGraphSurfaces(surfaces);
    }
}

void ShowPictureLayout(Workspace& ws, WindowState& win, SerialPort& port) {
    win.Text1.visible = false;
    win.Text2.visible = false;
    win.imgScreenVisible = true;
    win.scrGraphicVisible = true;
    ws.SavedViewCaption = win.Frame2Caption;
    win.Frame2Caption = "Screen";
    win.Frame1Caption = "Record List";
    port.SetInputMode(InputMode::Binary);
}

void ShowTextLayout(const Workspace& ws, WindowState& win, SerialPort& port) {
    win.imgScreenVisible = false;
    win.scrGraphicVisible = false;
    win.Text1.visible = true;
    win.Frame1Caption = "Record List";
    win.Frame2Caption = ws.SavedViewCaption;
    port.SetInputMode(InputMode::Text);
}

// Not while the link is up: captures and the index must stay in one family's folder.
bool TargetMayChange(const Workspace& ws, Dialogs& dialogs) {
    if (ws.Connected && !ws.Disconnected) {
        dialogs.Message(DisconnectFirstMessage);
        return false;
    }
    return true;
}

} // namespace

const TargetFamily* FindTargetFamily(std::int32_t type) {
    for (const TargetFamily& family : TargetFamilies)
        if (family.type == type)
            return &family;
    return nullptr;
}

std::optional<int> TargetOption(std::int32_t type) {
    for (std::size_t option = 0; option < TargetFamilies.size(); ++option)
        if (TargetFamilies[option].type == type)
            return static_cast<int>(option);
    return std::nullopt;
}

bool ApplyTarget(Workspace& ws, WindowState& win, Services& services, std::int32_t type) {
    const TargetFamily* family = FindTargetFamily(type);
    if (!family)
        return false;
    SetTargetState(ws, win, *family);
    EnsureTargetDirectory(services, *family);
    return true;
}

bool mnuTarget_Click(const Workspace& ws, Dialogs& dialogs) {
    return TargetMayChange(ws, dialogs);
}

void Form4_cmdOK_Click(Workspace& ws, WindowState& win, Services& services, SerialPort& port,
                       GraphSurfaces& surfaces, std::optional<int> selectedOption) {
    if (!TargetMayChange(ws, services.dialogs))
        return;
    bool familyChanged = false;
    if (selectedOption && *selectedOption >= 0 &&
        *selectedOption < static_cast<int>(TargetFamilies.size())) {
        const TargetFamily& chosen = TargetFamilies[static_cast<std::size_t>(*selectedOption)];
        familyChanged = chosen.type != ws.TypeOfTarget;
        if (familyChanged)
            ClearView(ws, win, surfaces);
        SetTargetState(ws, win, chosen);
    }
    if (const TargetFamily* current = FindTargetFamily(ws.TypeOfTarget))
        EnsureTargetDirectory(services, *current);
    // The list follows the family, so that nothing of one family is ever filed into another
    // family's index; the loading writes the previous family's changes first.
    if (familyChanged)
        Show_Saved_Reports(ws, win, services, &surfaces.imgScreen);

    if (ws.VeskMode)
        ShowPictureLayout(ws, win, port);
    if (ws.TarnMode)
        ShowTextLayout(ws, win, port);
}

} // namespace orvane
