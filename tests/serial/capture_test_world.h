#pragma once
// A Tarn/TarnX workspace on a temporary data root, with a scripted port, a standing clock
// and answering dialogs: what the capture and link tests run against.

#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/list_mirror.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <string>

namespace orvane::testing {

struct CaptureWorld {
    TempDir root;
    DiskFileSystem files;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{files, clock, dialogs, root.str()};
    FakeSerialPort port;
    Workspace ws;
    WindowState win;

    CaptureWorld() {
        ResetWorkspace(ws);
        ws.TypeOfTarget = TargetTarn;
        ws.TargetDir = "TARN";
        ws.TarnMode = true;
        ws.Loaded = true;
        ws.LoadedTargetDir = "TARN";
        files.MakeDirectory(TargetDir());
    }

    std::string TargetDir() const { return TargetDirectory(root.str(), "TARN"); }

    // A closed report at the end of the list holding `records` text records.
    std::int16_t AddReport(int records = 0) {
        const auto r = static_cast<std::int16_t>(ws.ReportCount + 1);
        ws.ReportCount = r;
        ws.ReportName[r] = "WORKSPACE_" + std::to_string(r);
        ws.ReportState[r] = ReportClosed;
        ws.RecordCount[r] = static_cast<std::int16_t>(records);
        for (int n = 1; n <= records; ++n) {
            const std::string name = "R" + std::to_string(r) + "N" + std::to_string(n);
            ws.RecordType[r][n] = KindRecord;
            ws.RecordPath[r][n] = JoinPath(TargetDir(), name + ".txt");
            ws.RecordLabel[r][n] = "   RECORD:  " + name;
            ws.RecordText[r][n] = "text of " + name;
        }
        AppendListLine(ws, win, ws.ReportName[r], r, 0);
        return r;
    }
};

} // namespace orvane::testing
