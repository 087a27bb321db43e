#pragma once
// Doubles and a fixture for the window procedures: a data root in a temporary folder, the
// real file system, recording picture surfaces and clipboard, an in-memory settings store.

#include "serial/picture_surface.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "ui/logic/record_viewer.h"
#include "workspace/clipboard.h"
#include "workspace/disk_file_system.h"
#include "workspace/list_mirror.h"
#include "workspace/services.h"
#include "workspace/settings_store.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace orvane::logic_testing {

class RecordingSurface final : public PictureSurface {
  public:
    int clears = 0;
    std::optional<EncodedImage> picture; // the loaded picture, until removed
    bool refusePictures = false;

    void Clear() override { ++clears; }
    bool LoadPicture(const EncodedImage& image) override {
        if (refusePictures)
            return false;
        picture = image;
        return true;
    }
    void RemovePicture() override { picture.reset(); }
    void SetPixel(int, int, bool) override {}
    void Print(std::string_view) override {}
    void NewLine() override {}
    EncodedImage Image() const override { return picture.value_or(EncodedImage{}); }
};

class RecordingClipboard final : public Clipboard {
  public:
    std::string text;
    std::optional<EncodedImage> image;
    int clears = 0;

    void Clear() override {
        ++clears;
        text.clear();
        image.reset();
    }
    void SetText(std::string_view value) override { text = value; }
    std::string Text() override { return text; }
    void SetImage(const EncodedImage& value) override { image = value; }
};

class MemorySettingsStore final : public SettingsStore {
  public:
    std::map<std::pair<std::string, std::string>, std::string> values;

    std::string Read(const std::string& section, const std::string& key) override {
        const auto found = values.find({section, key});
        return found == values.end() ? std::string() : found->second;
    }
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        values[{section, key}] = value;
    }
};

class LogicTest : public ::testing::Test {
  protected:
    LogicTest() {
        ResetWorkspace(ws);
        ws.ListSelection = -1;
        files.MakeDirectory(services.dataRoot);
    }

    // A closed report at the end of the list, with its four header fields.
    int AddReport(const std::string& name) {
        const int r = ++ws.ReportCount;
        ws.ReportName[r] = name;
        ws.ReportState[r] = ReportClosed;
        ws.RecordCount[r] = 0;
        for (int f = 1; f <= HeaderFields; ++f)
            ws.ReportField[r][f] = name + " field " + std::to_string(f);
        AppendListLine(ws, win, name, static_cast<std::int16_t>(r), 0);
        return r;
    }

    // A record of report `r` in the tables; it is listed when the report is opened.
    int AddRecord(int r, std::int16_t kind, const std::string& text, const std::string& name) {
        const int n = ++ws.RecordCount[r];
        ws.RecordType[r][n] = kind;
        ws.RecordText[r][n] = text;
        ws.RecordLabel[r][n] = (kind == KindGraph ? "   GRAPH:    " : "   RECORD:  ") + name;
        ws.RecordPath[r][n] = services.dataRoot + "/VESK/" + name + ".doc";
        return n;
    }

    void UseVesk() {
        ws.TypeOfTarget = TargetVesk;
        ws.TargetDir = "VESK";
        ws.VeskMode = true;
        ws.TarnMode = false;
    }
    void UseTarn() {
        ws.TypeOfTarget = TargetTarn;
        ws.TargetDir = "TARN";
        ws.VeskMode = false;
        ws.TarnMode = true;
    }

    // A double click on `line` and the left button's release that follows it.
    void DoubleClick(int line) {
        List1_DblClick(ws, win, line);
        EXPECT_FALSE(List1_MouseUp(ws, win, services, devices, MouseButton::Left));
    }

    testing::TempDir dir;
    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, (dir.path() / "PLX").string()};
    Workspace ws;
    WindowState win;
    RecordingSurface screen;
    RecordingSurface temp;
    RecordingClipboard clipboard;
    std::map<std::string, EncodedImage> documents; // what the picture reader finds, by path
    RecordViewDevices devices{{screen, temp}, clipboard, [this](const std::string& path) {
                                  const auto found = documents.find(path);
                                  return found == documents.end()
                                             ? std::nullopt
                                             : std::optional<EncodedImage>(found->second);
                              }};
    testing::FakeSerialPort port;
};

} // namespace orvane::logic_testing
