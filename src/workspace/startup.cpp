#include "workspace/startup.h"

#include "serial/link.h"
#include "ui/logic/language.h"
#include "ui/logic/numeric_text.h"
#include "ui/logic/target_selection.h"
#include "workspace/data_paths.h"
#include "workspace/index_file.h"

#include <string>

namespace orvane {

namespace {

// The stored target as a family's type (the families are 1..3). A text that names no family would
// leave TargetDir empty and put the index into the data root itself, so it counts as nothing
// stored.
std::int32_t StoredTarget(const std::string& stored) {
    return WholeNumberWithin(NumericValue(stored), TargetVesk, TargetOru).value_or(TargetVesk);
}

// A number as printed with its sign position: " 1", "-1".
std::string WithSignPosition(std::int32_t value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

} // namespace

void Form_Load(Workspace& ws, WindowState& win, Services& services, SettingsStore& settings,
               SerialPort& port) {
    ws.Language = 1;
    ShowHeaderLabels(ws, win);

    const std::string storedTarget = settings.Read(TypeOfTargetSection, TypeOfTargetKey);
    Serial_Startup(port, win, settings.Read(CommPortSection, CommPortKey),
                   settings.Read(SerialSettingSection, SerialSettingKey));

    if (!services.files.IsDirectory(services.dataRoot))
        services.files.MakeDirectory(services.dataRoot);
    ApplyTarget(ws, win, services, StoredTarget(storedTarget));

    // Every start shows the text view, whatever the target.
    win.Text1.visible = true;
    win.Text2.visible = false;
    win.imgScreenVisible = false;
    win.scrGraphicVisible = false;
    win.ProgressVisible = false;

    ResetWorkspace(ws);
    ws.Connected = false;
    ws.Disconnected = false;
    ws.RecordInEditor = false;
    ws.EditRecord = 0;
    ws.EditReport = 0;

    // The saved reports can be reviewed, printed and exported without the test set.
    Show_Saved_Reports(ws, win, services);
}

void Form_Unload(Workspace& ws, Services& services, SettingsStore& settings, SerialPort& port) {
    if (port.IsOpen())
        port.Close();
    settings.Write(CommPortSection, CommPortKey, std::to_string(port.CommPort()));
    settings.Write(SerialSettingSection, SerialSettingKey, port.Settings());
    settings.Write(TypeOfTargetSection, TypeOfTargetKey, WithSignPosition(ws.TypeOfTarget));
    Create_iniFile(ws, services);
    // While another copy of the program writes the scratch document, it is that copy's.
    const std::string scratch = TempDocPath(services.dataRoot);
    if (const ScopedLock lock(services.locks, scratch); lock.held())
        services.files.Remove(scratch);
}

} // namespace orvane
