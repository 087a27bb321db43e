#pragma once
// The main window's load and the program's end, apart from the widget work: the settings
// kept from the last run, the data root and target directory, the saved reports; and at
// the end the settings, the workspace index and the scratch document.

#include "serial/serial_port.h"
#include "workspace/services.h"
#include "workspace/settings_store.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

namespace orvane {

// Settings store entries of the application "Kavrel".
inline constexpr char CommPortSection[] = "CommPort";
inline constexpr char CommPortKey[] = "LastCommPort";
inline constexpr char SerialSettingSection[] = "SerialSetting";
inline constexpr char SerialSettingKey[] = "LastSetting";
inline constexpr char TypeOfTargetSection[] = "TypeOfTarget";
inline constexpr char TypeOfTargetKey[] = "LastTypeOfTarget";

// Restores port, line settings and target (Vesk/VeskM when none, or none that is a family,
// is stored), creates the data root and the target's directory, shows the text view and the
// English header labels, leaves the port closed and lists the target's saved reports.
void Form_Load(Workspace& ws, WindowState& win, Services& services, SettingsStore& settings,
               SerialPort& port);

// The end of the program, by Exit or by closing the window: closes the port, stores the
// settings, writes the workspace index (only one that was loaded) and deletes temp.doc.
// Every step runs even when an earlier one failed.
void Form_Unload(Workspace& ws, Services& services, SettingsStore& settings, SerialPort& port);

} // namespace orvane
