#include "output/picture_document.h"
#include "output/save.h"
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
using testing::SamplePng;
using testing::TempDir;

TEST(SaveFolderOf, KeepsThePartUpToTheLastSeparator) {
    EXPECT_EQ(SaveFolderOf("C:\\Reports\\May\\site.txt"), "C:\\Reports\\May\\");
    EXPECT_EQ(SaveFolderOf("/home/tech/reports/site"), "/home/tech/reports/");
    EXPECT_EQ(SaveFolderOf("C:\\Reports/May\\site"), "C:\\Reports/May\\");
    EXPECT_EQ(SaveFolderOf("/home/tech\\odd/site"), "/home/tech\\odd/");
    EXPECT_EQ(SaveFolderOf("site.txt"), "");
    EXPECT_EQ(SaveFolderOf(""), "");
}

class SaveTest : public ::testing::Test {
  protected:
    std::string Chosen(const std::string& name) const { return (dir.path() / name).string(); }
    void Save(const std::optional<std::string>& chosen) {
        mnuSave_Click(ws, win, services, clipboard, imgTemp, chosen);
    }

    TempDir dir;
    DiskFileSystem files;
    FakeClock clock;
    FakeDialogs dialogs;
    Services services{files, clock, dialogs, (dir.path() / "PLX").string()};
    Workspace ws;
    WindowState win; // Text1 visible, no graph
    RecordingClipboard clipboard;
    FixedPictureSurface imgTemp{SamplePng()};
};

TEST_F(SaveTest, AppendsTheTextOnEverySave) {
    win.Text1.Set("LINE 1\r\nLEVEL  -12.5 dB");
    Save(Chosen("site"));
    win.Text1.Set("SECOND\tTAB");
    Save(Chosen("site"));

    EXPECT_EQ(ReadFile(Chosen("site.txt")), "LINE 1\r\nLEVEL  -12.5 dB\r\nSECOND\tTAB\r\n");
    EXPECT_FALSE(std::filesystem::exists(Chosen("site.doc")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveTest, AlwaysAppendsTheExtension) {
    win.Text1.Set("x");
    Save(Chosen("report.txt"));
    EXPECT_EQ(ReadFile(Chosen("report.txt.txt")), "x\r\n");
    EXPECT_FALSE(std::filesystem::exists(Chosen("report.txt")));
}

TEST_F(SaveTest, KeepsEveryByteOfTheText) {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c);
    win.Text1.Set(text);
    Save(Chosen("bytes"));
    EXPECT_EQ(ReadFile(Chosen("bytes.txt")), text + "\r\n");
}

TEST_F(SaveTest, RemembersTheFolderOfTheChosenName) {
    win.Text1.visible = false;
    Save(Chosen("site"));
    EXPECT_EQ(ws.SaveFolder, dir.str() + "/");
    Save(std::string("site"));
    EXPECT_EQ(ws.SaveFolder, "");
}

TEST_F(SaveTest, CancelChangesNothing) {
    ws.SaveFolder = "C:\\Before\\";
    win.Text1.Set("x");
    win.imgScreenVisible = true;
    Save(std::nullopt);
    EXPECT_EQ(ws.SaveFolder, "C:\\Before\\");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_EQ(clipboard.clears, 0);
}

TEST_F(SaveTest, FilesTheGraphAsADocumentAndPutsItOnTheClipboard) {
    win.Text1.visible = false;
    win.imgScreenVisible = true;
    clipboard.text = "earlier";
    Save(Chosen("report.txt"));

    const std::string document = ReadFile(Chosen("report.txt.doc"));
    EXPECT_EQ(document, MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(services.dataRoot)), document);
    EXPECT_EQ(clipboard.image.png, SamplePng().png);
    EXPECT_EQ(clipboard.text, "");
    EXPECT_FALSE(std::filesystem::exists(Chosen("report.txt.txt")));
}

TEST_F(SaveTest, SavesTextAndGraphWhenBothAreVisible) {
    win.Text1.Set("both");
    win.imgScreenVisible = true;
    Save(Chosen("both"));
    EXPECT_EQ(ReadFile(Chosen("both.txt")), "both\r\n");
    EXPECT_TRUE(std::filesystem::exists(Chosen("both.doc")));
}

TEST_F(SaveTest, IgnoresText2) {
    win.Text1.visible = false;
    win.Text2.Set("second box");
    win.Text2.visible = true;
    Save(Chosen("site"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(SaveTest, TellsWhenAFileCannotBeWritten) {
    win.Text1.Set("x");
    win.imgScreenVisible = true;
    Save(Chosen("no such folder/site"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0],
              "Can't write the file " + Chosen("no such folder/site.txt") + "!");
    EXPECT_EQ(dialogs.messages[1],
              "Can't write the file " + Chosen("no such folder/site.doc") + "!");
}

} // namespace
} // namespace orvane
