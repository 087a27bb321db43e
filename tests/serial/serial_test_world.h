#pragma once
// A target's workspace on a temporary data root, with a scripted port, a standing clock and
// dialogs that log what they show; and the acquisition decoder wired to logging outputs.

#include "serial/screen_loop.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/recording_surface.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"
#include "workspace/list_mirror.h"

#include <gtest/gtest.h>

namespace orvane::testing {

struct SerialWorld {
    SerialWorld(std::int32_t target, const std::string& targetDir) {
        ResetWorkspace(ws);
        ws.TypeOfTarget = target;
        ws.TarnMode = target == TargetTarn;
        ws.VeskMode = target == TargetVesk;
        ws.TargetDir = ws.LoadedTargetDir = targetDir;
        ws.Loaded = true;
        files.MakeDirectory(TargetDir());
    }

    std::string TargetDir() const { return TargetDirectory(root.str(), ws.TargetDir); }

    // A closed report at the end of the list holding `records` text records "R<r>N<n>".
    std::int16_t AddReport(int records = 0) {
        const auto r = ++ws.ReportCount;
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

    TempDir root;
    DiskFileSystem files;
    FakeClock clock;
    FakeDialogs dialogs; // a message box runs the event loop: `whileShown` arrives meanwhile
    Services services{files, clock, dialogs, root.str()};
    FakeSerialPort port;
    CountingCapture capture;
    Workspace ws;
    WindowState win;
};

// Bytes written as numbers, as the protocol tables give them.
inline std::string Bytes(std::initializer_list<int> values) {
    return {values.begin(), values.end()};
}

inline const std::string GraphStart = Bytes({0x1B, 0x20, 0x0F}),
                         ScreenImageStart = Bytes({0x1B, 0x20, 0x04}),
                         TextStart = Bytes({0x1B, 0x20, 0x09}), EndPicture = Bytes({0x1B, 0x52}),
                         LineFeed = "\n";

// A bit-image block of `columns` columns: its header, then the column bytes given.
inline std::string Block(int columns, const std::string& data = {}) {
    return Bytes({0x1B, 0x4B, columns % 256, columns / 256}) + data;
}

// Every text drawn on `surface`, with its position.
inline std::string Printed(const RecordingSurface& surface) {
    std::string all;
    for (const auto& p : surface.printed)
        all += std::to_string(p.x) + "," + std::to_string(p.y) + ":" + p.text + " ";
    return all;
}

struct LoggingFiler final : PictureFiler {
    bool fail = false;
    std::vector<std::pair<std::string, EncodedImage>> filings; // record path, picture
    bool File(const EncodedImage& image, const std::string& path) override {
        filings.emplace_back(path, image);
        return !fail;
    }
};

// A connected VESK workspace with one empty closed report, and its decoder.
struct AcquisitionRig : SerialWorld {
    explicit AcquisitionRig(bool started = true, int width = 537, int height = 1000)
        : SerialWorld(TargetVesk, "VESK"), imgScreen(width, height), imgTemp(width, height) {
        ws.Connected = true;
        AddReport();
        if (started)
            loop.Start();
    }

    void Feed(const std::string& bytes) { loop.Feed(bytes); }
    const std::string& TextOf(int record) const { return ws.RecordText[1][record]; }
    // The drawing position and flags: "row column pending esc".
    std::string Drawing() const {
        const AcquisitionState& s = loop.State();
        return "r" + std::to_string(s.BandRow) + " c" + std::to_string(s.BandColumn) + " p" +
               std::to_string(s.GraphPending) + " e" + std::to_string(s.EscOnLine);
    }

    ProgressDisplay progress;
    RecordingSurface imgScreen, imgTemp;
    RecordingClipboard clipboard;
    LoggingFiler filer;
    ScreenLoop loop{ws, win, services, progress, {imgScreen, imgTemp, clipboard, filer}};
};

} // namespace orvane::testing
