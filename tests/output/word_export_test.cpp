#include "output/picture_document.h"
#include "output/word_export.h"
#include "output_command_test.h"
#include "workspace/data_paths.h"

namespace orvane {
namespace {

using testing::Messages;
using testing::ReadFile;
using testing::SamplePng;

const std::string Header =
    "Company: Acme  Tele\r\nTechnician: J. Doe\r\nTicket: T-42\r\nComment: \r\n\r\n";

class WordExportTest : public testing::OutputCommandTest {
  protected:
    WordExportTest() { win.Text1.Set("LEVEL  -12.5 dB\r\n"); }
    std::string Export() {
        return mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    }
};

TEST_F(WordExportTest, WritesHeaderAndTextAndOpensThem) {
    const std::string file = Export();
    EXPECT_EQ(file, RootFile("12052026-035651AM.txt"));
    EXPECT_EQ(ReadFile(file), Header + "LEVEL  -12.5 dB\r\n\r\n");
    EXPECT_EQ(launcher.wordProcessorFiles, Messages{file});
    EXPECT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::Text});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordExportTest, TakesText2WhenText1IsHiddenAndElseTheHeaderAlone) {
    win.Text1.visible = false;
    win.Text2.Set("from the second box");
    EXPECT_EQ(WordExportText(ws, win), Header + "\r\n");
    win.Text2.visible = true;
    EXPECT_EQ(WordExportText(ws, win), Header + "from the second box\r\n");
}

TEST_F(WordExportTest, FilesAShownGraphAsADocument) {
    win.imgScreenVisible = true;
    const std::string file = Export();
    EXPECT_EQ(file, RootFile("12052026-035651AM.doc"));
    EXPECT_EQ(ReadFile(file), MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(root.string())), ReadFile(file));
    EXPECT_EQ(clipboard.image.png, SamplePng().png);
    EXPECT_EQ(launcher.wordProcessorFiles, Messages{file});
    EXPECT_EQ(launcher.wordProcessorKinds, std::vector{OfficeFile::PictureDocument});
}

TEST_F(WordExportTest, ExportsInTheSameSecondNeverShareAFile) {
    const std::string firstText = Export();
    win.Text1.Set("second");
    EXPECT_EQ(Export(), RootFile("12052026-035652AM.txt"));
    win.imgScreenVisible = true;
    EXPECT_EQ(Export(), RootFile("12052026-035651AM.doc"));
    EXPECT_EQ(Export(), RootFile("12052026-035652AM.doc"));
    EXPECT_EQ(ReadFile(firstText), Header + "LEVEL  -12.5 dB\r\n\r\n");
    EXPECT_EQ(ReadFile(RootFile("12052026-035652AM.txt")), Header + "second\r\n");
}

TEST_F(WordExportTest, SaysSoWhenNoWordProcessorStartsOrTheFileCannotBeWritten) {
    launcher.wordProcessorStarts = false;
    EXPECT_TRUE(std::filesystem::exists(Export()));
    EXPECT_EQ(dialogs.messages, Messages{"Can't find the Microsoft Word in your PC!"});

    dialogs.messages.clear();
    launcher.wordProcessorFiles.clear();
    testing::RefusingFileSystem refusing(disk, RootFile("12052026-035652AM.txt"));
    Services refusingServices{refusing, clock, dialogs, root.string()};
    EXPECT_EQ(mnuExportToWord_Click(ws, win, refusingServices, clipboard, imgTemp, launcher), "");
    EXPECT_EQ(dialogs.messages, Messages{testing::CantWrite(RootFile("12052026-035652AM.txt"))});
    EXPECT_TRUE(launcher.wordProcessorFiles.empty());
}

} // namespace
} // namespace orvane
