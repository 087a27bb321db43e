#include "output/picture_document.h"
#include "output/word_export.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeDialogs;
using testing::FixedPictureSurface;
using testing::ReadFile;
using testing::RecordingClipboard;
using testing::RecordingLauncher;
using testing::RefusingFileSystem;
using testing::SamplePng;
using testing::TempDir;

constexpr char Header[] =
    "Company: Acme\r\nTechnician: J. Doe\r\nTicket: T-42\r\nComment: \r\n\r\n";

class WordExportTest : public ::testing::Test {
  protected:
    WordExportTest() {
        ws.CurrentReport = 2;
        ws.ReportField[2] = {"", "Acme", "J. Doe", "T-42", ""};
        ws.Language = 2; // the labels stay English
        win.Text1.Set("LEVEL  -12.5 dB\r\n");
    }
    std::string Export() {
        return mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    }
    std::string RootFile(const std::string& name) const { return (root / name).string(); }

    TempDir dir;
    std::filesystem::path root = dir.path() / "PLX";
    DiskFileSystem disk;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{disk, clock, dialogs, root.string()};
    Workspace ws;
    WindowState win;
    RecordingClipboard clipboard;
    FixedPictureSurface imgTemp{SamplePng()};
    RecordingLauncher launcher;
};

TEST_F(WordExportTest, WritesHeaderAndTextAndOpensThem) {
    const std::string file = Export();
    EXPECT_EQ(file, RootFile("12052026-035651AM.txt"));
    EXPECT_EQ(ReadFile(file), std::string(Header) + "LEVEL  -12.5 dB\r\n\r\n");
    EXPECT_EQ(launcher.wordProcessorFiles, std::vector<std::string>{file});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordExportTest, TakesText2WhenText1IsHidden) {
    win.Text1.visible = false;
    win.Text2.Set("from the second box");
    win.Text2.visible = true;
    EXPECT_EQ(ReadFile(Export()), std::string(Header) + "from the second box\r\n");
}

TEST_F(WordExportTest, WritesTheHeaderAloneWhenNoTextIsShown) {
    win.Text1.visible = false;
    EXPECT_EQ(ReadFile(Export()), std::string(Header) + "\r\n");
}

TEST_F(WordExportTest, RunsWithNoReportOpen) {
    ws.CurrentReport = 0;
    EXPECT_EQ(ReadFile(Export()),
              "Company: \r\nTechnician: \r\nTicket: \r\nComment: \r\n\r\nLEVEL  -12.5 dB\r\n\r\n");
}

TEST_F(WordExportTest, FilesAShownGraphAsADocument) {
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    const std::string file = Export();

    EXPECT_EQ(file, RootFile("12052026-035651AM.doc"));
    EXPECT_EQ(ReadFile(file), MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(root.string())), ReadFile(file));
    EXPECT_EQ(clipboard.image.png, SamplePng().png);
    EXPECT_EQ(launcher.wordProcessorFiles, std::vector<std::string>{file});
}

TEST_F(WordExportTest, ExportsInTheSameSecondNeverShareAFile) {
    const std::string firstText = Export();
    win.Text1.Set("second");
    const std::string secondText = Export();
    win.imgScreenVisible = true;
    const std::string firstGraph = Export();
    const std::string secondGraph = Export();

    EXPECT_EQ(firstText, RootFile("12052026-035651AM.txt"));
    EXPECT_EQ(secondText, RootFile("12052026-035652AM.txt"));
    EXPECT_EQ(ReadFile(firstText), std::string(Header) + "LEVEL  -12.5 dB\r\n\r\n");
    EXPECT_EQ(ReadFile(secondText), std::string(Header) + "second\r\n");
    EXPECT_EQ(firstGraph, RootFile("12052026-035651AM.doc"));
    EXPECT_EQ(secondGraph, RootFile("12052026-035652AM.doc"));
}

TEST_F(WordExportTest, TheNextFreeNameCrossesMidnight) {
    clock.now = LocalTime{2026, 12, 31, 23, 59, 59};
    clock.format = FakeClock::Format::TwentyFourHour;
    Export();
    EXPECT_EQ(Export(), RootFile("01012027-00000000.txt"));
}

TEST_F(WordExportTest, SaysSoWhenNoWordProcessorStarts) {
    launcher.wordProcessorStarts = false;
    const std::string file = Export();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"Can't find the Microsoft Word in your PC!"});
}

TEST_F(WordExportTest, OpensNothingWhenTheFileCannotBeWritten) {
    RefusingFileSystem refusing(disk, RootFile("12052026-035651AM.txt"));
    Services refusingServices{refusing, clock, dialogs, root.string()};
    EXPECT_EQ(mnuExportToWord_Click(ws, win, refusingServices, clipboard, imgTemp, launcher), "");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Can't write the file " +
                                                         RootFile("12052026-035651AM.txt") + "!"});
    EXPECT_TRUE(launcher.wordProcessorFiles.empty());
}

} // namespace
} // namespace orvane
