#pragma once
// The world the save and export commands run in: a real disk under a temporary folder, the
// fake clock (12/05/2026 03:56:51 AM), and dialogs, clipboard and launcher that record what
// they were given.

#include "support/fakes.h"
#include "support/output_fakes.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::testing {

using Messages = std::vector<std::string>;

class OutputCommandTest : public ::testing::Test {
  protected:
    OutputCommandTest() {
        ws.CurrentReport = 2;
        ws.ReportField[2] = {"", "Acme  Tele", "J. Doe", "T-42", ""};
        ws.Language = 2; // the header's labels stay English
    }
    std::string RootFile(const std::string& name) const { return (root / name).string(); }
    std::string DirFile(const std::string& name) const { return (dir.path() / name).string(); }

    TempDir dir;
    std::filesystem::path root = dir.path() / "PLX";
    DiskFileSystem disk;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{disk, clock, dialogs, root.string()};
    Workspace ws;
    WindowState win; // Text1 visible, no graph
    RecordingClipboard clipboard;
    FixedPictureSurface imgTemp{SamplePng()};
    RecordingLauncher launcher;
};

} // namespace orvane::testing
