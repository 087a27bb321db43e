#include "output/picture_document.h"
#include "output/save.h"
#include "output_command_test.h"
#include "workspace/data_paths.h"

namespace orvane {
namespace {

using testing::ReadFile;
using testing::SamplePng;

TEST(SaveFolderOf, KeepsThePartUpToTheLastSeparatorOfEitherKind) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\Reports\\May\\site.txt", "C:\\Reports\\May\\"},
        {"C:\\Reports/May\\site", "C:\\Reports/May\\"},
        {"/home/tech\\odd/site", "/home/tech\\odd/"},
        {"site.txt", ""},
        {"", ""},
    };
    for (const auto& [chosen, folder] : rows)
        EXPECT_EQ(SaveFolderOf(chosen), folder) << chosen;
}

class SaveTest : public testing::OutputCommandTest {
  protected:
    void Save(const std::optional<std::string>& chosen) {
        mnuSave_Click(ws, win, services, clipboard, imgTemp, chosen);
    }
};

TEST_F(SaveTest, AppendsEveryByteOfTheTextOnEverySave) {
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes += static_cast<char>(c);
    win.Text1.Set("LINE 1\r\nLEVEL  -12.5 dB");
    Save(DirFile("site"));
    win.Text1.Set(allBytes);
    Save(DirFile("site"));

    EXPECT_EQ(ReadFile(DirFile("site.txt")), "LINE 1\r\nLEVEL  -12.5 dB\r\n" + allBytes + "\r\n");
    EXPECT_EQ(ws.SaveFolder, dir.str() + PathSeparator);
    EXPECT_FALSE(std::filesystem::exists(DirFile("site.doc")));
    EXPECT_TRUE(dialogs.messages.empty());
}

// The extension is added unless the chosen name already ends in it, in any case.
TEST_F(SaveTest, FilesTextAndGraphUnderTheChosenNameWithTheirExtension) {
    const struct {
        const char* chosen;
        const char* text;
        const char* graph;
    } rows[] = {
        {"report", "report.txt", "report.doc"},
        {"saved1.txt", "saved1.txt", "saved1.txt.doc"},
        {"SAVED2.TXT", "SAVED2.TXT", "SAVED2.TXT.doc"},
        {"graph.Doc", "graph.Doc.txt", "graph.Doc"},
        {"a.txt.txt", "a.txt.txt", "a.txt.txt.doc"},
    };
    win.Text1.Set("x");
    win.imgScreenVisible = true;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen);
        clipboard.text = "earlier";
        Save(DirFile(row.chosen));
        EXPECT_EQ(ReadFile(DirFile(row.text)), "x\r\n");
        EXPECT_EQ(ReadFile(DirFile(row.graph)), MakePictureDocument(SamplePng()));
        EXPECT_EQ(clipboard.image.png, SamplePng().png);
        EXPECT_EQ(clipboard.text, "") << "the clipboard holds the picture alone";
    }
    EXPECT_EQ(ReadFile(TempDocPath(services.dataRoot)), MakePictureDocument(SamplePng()));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 10) << "no file beyond the ten named";
}

TEST_F(SaveTest, CancelChangesNothingAndText2IsNeverSaved) {
    ws.SaveFolder = "C:\\Before\\";
    win.imgScreenVisible = true;
    Save(std::nullopt);
    EXPECT_EQ(ws.SaveFolder, "C:\\Before\\");
    EXPECT_EQ(clipboard.clears, 0);

    win.imgScreenVisible = win.Text1.visible = false;
    win.Text2.Set("second box");
    win.Text2.visible = true;
    Save(DirFile("site"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nor did the cancelled save write";
}

TEST_F(SaveTest, TellsWhenAFileCannotBeWritten) {
    win.imgScreenVisible = true;
    Save(DirFile("no such folder/site"));
    EXPECT_EQ(dialogs.messages,
              (testing::Messages{testing::CantWrite(DirFile("no such folder/site.txt")),
                                 testing::CantWrite(DirFile("no such folder/site.doc"))}));
}

} // namespace
} // namespace orvane
