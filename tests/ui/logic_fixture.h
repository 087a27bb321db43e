#pragma once
// The window procedures over a data root in a temporary folder with the real file system,
// recording picture surfaces and clipboard, and picture documents served from memory.

#include "report_builders.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/recording_surface.h"
#include "ui/logic/record_viewer.h"
#include "ui/logic/target_selection.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

namespace orvane::ui_testing {

class LogicTest : public ::testing::Test {
  protected:
    LogicTest() {
        ResetWorkspace(ws);
        ws.ListSelection = -1;
        files.MakeDirectory(services.dataRoot);
        ApplyTarget(ws, win, services, TargetVesk);
    }

    int AddReport(const std::string& name) { return ui_testing::AddReport(ws, win, name); }
    int AddRecord(int r, std::int16_t kind, const std::string& text, const std::string& stamp) {
        return ui_testing::AddRecord(ws, r, kind, text, stamp,
                                     services.dataRoot + "/VESK/" + stamp + ".doc");
    }

    // A double click on `line` and the left button's release that acts on it.
    void DoubleClick(int line) {
        List1_DblClick(ws, win, line);
        EXPECT_FALSE(List1_MouseUp(ws, win, services, devices, MouseButton::Left));
    }

    // The shown parts of the view, e.g. "Text1" or "imgScreen scrGraphic".
    std::string Layout() const {
        std::string shown;
        for (const auto& [part, visible] : std::initializer_list<std::pair<const char*, bool>>{
                 {" Text1", win.Text1.visible},
                 {" Text2", win.Text2.visible},
                 {" imgScreen", win.imgScreenVisible},
                 {" scrGraphic", win.scrGraphicVisible}})
            shown += visible ? part : "";
        return shown.empty() ? shown : shown.substr(1);
    }

    bool DirectoryExists(const std::string& keyword) const {
        return std::filesystem::is_directory(std::filesystem::path(services.dataRoot) / keyword);
    }

    testing::TempDir dir;
    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, (dir.path() / "PLX").string()};
    Workspace ws;
    WindowState win;
    testing::RecordingSurface screen;
    testing::RecordingSurface temp;
    GraphSurfaces surfaces{screen, temp};
    testing::RecordingClipboard clipboard;
    std::map<std::string, EncodedImage> documents; // what the picture reader finds, by path
    RecordViewDevices devices{surfaces, clipboard, [this](const std::string& path) {
                                  const auto found = documents.find(path);
                                  return found == documents.end()
                                             ? std::nullopt
                                             : std::optional<EncodedImage>(found->second);
                              }};
    testing::FakeSerialPort port;
};

} // namespace orvane::ui_testing
