#pragma once
// The three test-set families (targets): where a family's workspace lives, how the serial
// line is read and how the view area is laid out; the target dialog's commands.

#include "serial/serial_port.h"
#include "ui/logic/graph_surfaces.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

struct TargetFamily {
    std::int32_t type;              // TypeOfTarget
    std::string_view optionCaption; // the target dialog's option
    std::string_view statusText;    // status bar panel 3
    std::string_view keyword;       // TargetDir: the family's directory under the data root
    bool tarnMode;                  // pushed text screens; the others send the printer stream
};

// In the order of the target dialog's options (Option1..Option3).
inline constexpr std::array<TargetFamily, 3> TargetFamilies{{
    {TargetTarn, "Orvane Tarn/TarnX", "Target:Tarn/TarnX", "TARN", true},
    {TargetVesk, "Orvane VeskM/Vesk", "Target:Vesk/VeskM", "VESK", false},
    {TargetOru, "Orvane Oru/Oru-c", "Target:Oru/Oru-c", "ORU", false},
}};

// The family of TypeOfTarget `type`; nullptr when there is none.
const TargetFamily* FindTargetFamily(std::int32_t type);
// The dialog option (0-based) that shows family `type`.
std::optional<int> TargetOption(std::int32_t type);

// Makes family `type` current as start-up does: status text, TypeOfTarget, TargetDir, the
// mode flags, and the family's directory when it is missing. The view is left alone. False
// (and nothing changed) when `type` is no family.
bool ApplyTarget(Workspace& ws, WindowState& win, Services& services, std::int32_t type);

// File > Target and the toolbar's Target button: true when the target dialog may open. While
// the link is up the user is told "Disconnect first!".
[[nodiscard]] bool mnuTarget_Click(const Workspace& ws, Dialogs& dialogs);

// The target dialog's OK with option `selectedOption` (0-based; nothing when none is
// selected): clears the view when the family changes, applies the family, switches the
// window layout and the serial input mode. A new family brings its saved reports into the
// list. The window hides the dialog. The dialog is not modal, so it may have been opened
// before Connect: while the link is up the user is told "Disconnect first!" and nothing
// changes, as captures and the index must stay in one family's folder.
void Form4_cmdOK_Click(Workspace& ws, WindowState& win, Services& services, SerialPort& port,
                       GraphSurfaces& surfaces, std::optional<int> selectedOption);

} // namespace orvane
