#pragma once
// A ScreenLoop wired to fakes: a VESK workspace with one empty report, recording picture
// surfaces, a clipboard and a document store that log what they get, and a scripted port.

#include "serial/screen_loop.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/recording_surface.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace orvane::acquisition_tests {

class LoggingClipboard final : public Clipboard {
  public:
    int clears = 0;
    std::string text;
    std::optional<EncodedImage> image;

    void Clear() override {
        ++clears;
        text.clear();
        image.reset();
    }
    void SetText(std::string_view value) override { text = value; }
    std::string Text() override { return text; }
    void SetImage(const EncodedImage& value) override { image = value; }
};

class LoggingFiler final : public PictureFiler {
  public:
    struct Filing {
        std::string path;
        EncodedImage image;
    };
    bool fail = false;
    std::vector<Filing> filings;

    bool File(const EncodedImage& image, const std::string& recordPath) override {
        filings.push_back({recordPath, image});
        return !fail;
    }
};

// Bytes written as numbers, as the protocol tables give them.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

inline const std::string GraphStart = Bytes({0x1B, 0x20, 0x0F});
inline const std::string ScreenImageStart = Bytes({0x1B, 0x20, 0x04});
inline const std::string TextStart = Bytes({0x1B, 0x20, 0x09});
inline const std::string EndPicture = Bytes({0x1B, 0x52});

// The start of a bit-image block of `columns` columns (data not included).
inline std::string BlockHeader(int columns) {
    return Bytes({0x1B, 0x4B, columns % 256, columns / 256});
}

struct AcquisitionRig {
    explicit AcquisitionRig(int surfaceWidth = 537, int surfaceHeight = 1000)
        : imgScreen(surfaceWidth, surfaceHeight), imgTemp(surfaceWidth, surfaceHeight) {
        ResetWorkspace(ws);
        ws.TypeOfTarget = TargetVesk;
        ws.TargetDir = "VESK";
        ws.VeskMode = true;
        ws.Connected = true;
        ws.Loaded = true;
        std::filesystem::create_directories(dir.path() / "VESK");

        ws.ReportCount = 1;
        ws.CurrentReport = 1;
        ws.ReportName[1] = "WORKSPACE_12052026-035651AM";
        ws.ReportState[1] = ReportClosed;
        ws.RecordCount[1] = 0;
        ws.ListCount = 1;
        ws.ListText[0] = ws.ReportName[1];
        ws.ListReport[0] = 1;
        ws.ListRecord[0] = 0;
    }

    // Starts a run, as Connect does.
    void Start() { loop.Start(port); }
    void Feed(const std::string& bytes) { loop.Feed(bytes); }
    const AcquisitionState& State() const { return loop.State(); }

    // The record started last in report 1.
    int LastRecord() const { return ws.RecordCount[1]; }
    const std::string& TextOf(int record) const { return ws.RecordText[1][record]; }

    testing::TempDir dir;
    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, dir.str()};
    Workspace ws;
    WindowState win;
    ProgressDisplay progress;
    testing::RecordingSurface imgScreen;
    testing::RecordingSurface imgTemp;
    LoggingClipboard clipboard;
    LoggingFiler filer;
    testing::FakeSerialPort port;
    ScreenLoop loop{ws, win, services, progress, {imgScreen, imgTemp, clipboard, filer}};
};

} // namespace orvane::acquisition_tests
