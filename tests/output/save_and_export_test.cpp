// Save, Export to Excel and Export to Word: the shown text and graph byte for byte under a
// chosen or a free stamped name, and a message for every file they cannot write.

#include "output/excel_export.h"
#include "output/picture_document.h"
#include "output/save.h"
#include "output/word_export.h"
#include "output_command_test.h"
#include "workspace/data_paths.h"

namespace orvane {
namespace {

using testing::Messages;
using testing::ReadFile;
using testing::SamplePng;

// The passes collapse runs of blanks by fives, fours, threes and twos in turn, so some runs
// leave empty cells: the TABs that runs of 1 to 160 blanks become.
TEST(TabSeparated, EachRunOfBlanksBecomesColumnBreaks) {
    const std::string tabs =
        "11111111111111111111111111111111111111211121112111211221121112111211221121112121"
        "21222122112212221222122112212221222122212222222222222222222222222222222222222232";
    for (std::size_t n = 1; n <= tabs.size(); ++n)
        EXPECT_EQ(TabSeparated("A" + std::string(n, ' ') + "B"),
                  "A" + std::string(tabs[n - 1] - '0', '\t') + "B")
            << n << " blanks";
    EXPECT_EQ(TabSeparated("A\tB  C\r\nD \xe9\xff\r\n"), "A\tB\tC\r\nD\t\xe9\xff\r\n");
}

class SaveAndExportTest : public testing::OutputCommandTest {
  protected:
    SaveAndExportTest() { win.Text1.Set("ABC   12.5  dB\r\n  X\tY\r\n"); }
    std::string Excel() { return mnuExportToExcel_Click(ws, win, services, launcher); }
    std::string Word() {
        return mnuExportToWord_Click(ws, win, services, clipboard, imgTemp, launcher);
    }
    void Save(const std::optional<std::string>& chosen) {
        mnuSave_Click(ws, win, services, clipboard, imgTemp, chosen);
    }
    static std::string CantWrite(std::string file) { return "Can't write the file " + file + "!"; }
    std::string Inter() const { return InterPath(root.string()); }
    std::string Stamped(int second, const char* extension) const {
        return RootFile("12052026-0356" + std::to_string(second) + "AM" + extension);
    }

    const std::string header =
        "Company: Acme  Tele\r\nTechnician: J. Doe\r\nTicket: T-42\r\nComment: \r\n";
    const std::string graph = MakePictureDocument(SamplePng());
};

// Exports in the same second never share a file; each is opened as what it is, and the
// scratch table is gone.
TEST_F(SaveAndExportTest, ExportsOpenTheTableTextOrGraphUnderAFreeStampedName) {
    EXPECT_EQ(Excel(), Stamped(51, ".xls"));
    EXPECT_EQ(Word(), Stamped(51, ".txt"));
    win.Text1.Set("second");
    EXPECT_EQ(Excel(), Stamped(52, ".xls"));
    EXPECT_EQ(Word(), Stamped(52, ".txt"));
    win.imgScreenVisible = true;
    EXPECT_EQ(Word(), Stamped(51, ".doc"));
    EXPECT_EQ(Word(), Stamped(52, ".doc"));

    EXPECT_EQ(ReadFile(Stamped(51, ".xls")),
              "Company:\tAcme\tTele\r\nTechnician:\tJ.\tDoe\r\nTicket:\tT-42\r\n"
              "Comment:\t\r\nABC\t12.5\tdB\r\n\tX\tY\r\n\r\n");
    EXPECT_TRUE(ReadFile(Stamped(52, ".xls")).ends_with("\r\nsecond\r\n"));
    EXPECT_EQ(ReadFile(Stamped(51, ".txt")), header + "\r\nABC   12.5  dB\r\n  X\tY\r\n\r\n");
    EXPECT_EQ(ReadFile(Stamped(52, ".txt")), header + "\r\nsecond\r\n");
    EXPECT_EQ(ReadFile(Stamped(51, ".doc")), graph);
    EXPECT_EQ(ReadFile(TempDocPath(root.string())), graph);
    EXPECT_FALSE(std::filesystem::exists(Inter()));
    EXPECT_EQ(clipboard.image.png, SamplePng().png);
    EXPECT_EQ(launcher.spreadsheetFiles, (Messages{Stamped(51, ".xls"), Stamped(52, ".xls")}));
    EXPECT_EQ(launcher.wordProcessorFiles, (Messages{Stamped(51, ".txt"), Stamped(52, ".txt"),
                                                     Stamped(51, ".doc"), Stamped(52, ".doc")}));
    EXPECT_EQ(launcher.wordProcessorKinds,
              (std::vector{OfficeFile::Text, OfficeFile::Text, OfficeFile::PictureDocument,
                           OfficeFile::PictureDocument}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveAndExportTest, ExportsTellWhyTheyMadeNoFileOrOpenedNone) {
    launcher.spreadsheetInstalled = launcher.wordProcessorStarts = false;
    EXPECT_EQ(Excel(), "");
    EXPECT_TRUE(std::filesystem::is_empty(root)) << "neither a table nor the scratch file";
    EXPECT_EQ(ReadFile(Word()), header + "\r\nABC   12.5  dB\r\n  X\tY\r\n\r\n");

    launcher.spreadsheetInstalled = launcher.wordProcessorStarts = true;
    launcher.wordProcessorFiles.clear();
    testing::RefusingFileSystem refusingText(disk, Stamped(52, ".txt")),
        refusingTable(disk, Stamped(51, ".xls"));
    Services text{refusingText, clock, dialogs, root.string()},
        table{refusingTable, clock, dialogs, root.string()};
    EXPECT_EQ(mnuExportToWord_Click(ws, win, text, clipboard, imgTemp, launcher), "");
    EXPECT_EQ(mnuExportToExcel_Click(ws, win, table, launcher), "");
    EXPECT_FALSE(std::filesystem::exists(Inter()));
    EXPECT_EQ(dialogs.messages,
              (Messages{"Can't find the Microsoft Excel in your PC!",
                        "Can't find the Microsoft Word in your PC!", CantWrite(Stamped(52, ".txt")),
                        CantWrite(Stamped(51, ".xls"))}));
    EXPECT_TRUE(launcher.spreadsheetFiles.empty() && launcher.wordProcessorFiles.empty());
}

// Another copy of the program on the same data root, in the middle of its own export.
TEST_F(SaveAndExportTest, LeavesTheScratchFilesToAnotherCopyUsingThem) {
    testing::FakeLocks locks;
    services.locks = &locks;
    std::filesystem::create_directories(root);
    testing::WriteFile(Inter(), "the other copy's table");
    testing::WriteFile(RootFile("temp.doc"), "the other copy's document");
    locks.heldElsewhere = {Inter(), RootFile("temp.doc")};

    EXPECT_EQ(Excel(), "");
    EXPECT_EQ(dialogs.messages, Messages{CantWrite(Inter())});
    EXPECT_TRUE(
        Picture_To_Document(disk, root.string(), SamplePng(), RootFile("graph.doc"), &locks));
    EXPECT_EQ(ReadFile(Inter()), "the other copy's table");
    EXPECT_EQ(ReadFile(RootFile("temp.doc")), "the other copy's document");

    locks.heldElsewhere.clear();
    EXPECT_NE(Excel(), "");
    EXPECT_FALSE(std::filesystem::exists(Inter()));
    EXPECT_TRUE(locks.held.empty()) << "let go after use";
}

// Word takes Text2 when Text1 is hidden, else the header alone; with no report open, or a
// hostile number for one, the header's fields are empty.
TEST_F(SaveAndExportTest, WordTakesText2WhenText1IsHiddenElseTheHeaderAlone) {
    win.Text1.visible = false;
    win.Text2.Set("box 2");
    EXPECT_EQ(WordExportText(ws, win), header + "\r\n\r\n");
    win.Text2.visible = true;
    EXPECT_EQ(WordExportText(ws, win), header + "\r\nbox 2\r\n");
    for (const int report : {0, -1, 32767}) {
        ws.CurrentReport = static_cast<std::int16_t>(report);
        EXPECT_EQ(WordExportText(ws, win),
                  "Company: \r\nTechnician: \r\nTicket: \r\nComment: \r\n\r\nbox 2\r\n")
            << report;
    }
}

// Text is appended byte for byte on every save; the extension is added unless the chosen
// name already ends in it, in any case; a graph is written over an earlier file.
TEST_F(SaveAndExportTest, SaveFilesTextAndGraphUnderTheChosenNameWithTheirExtension) {
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes += static_cast<char>(c);
    win.Text1.Set(allBytes);
    Save(DirFile("site"));
    Save(DirFile("site"));
    EXPECT_EQ(ReadFile(DirFile("site.txt")), allBytes + "\r\n" + allBytes + "\r\n");
    EXPECT_EQ(ws.SaveFolder, dir.str() + PathSeparator);
    EXPECT_FALSE(std::filesystem::exists(DirFile("site.doc"))) << "no graph shown";

    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"report", "report.txt", "report.doc"},
        {"saved1.txt", "saved1.txt", "saved1.txt.doc"},
        {"SAVED2.TXT", "SAVED2.TXT", "SAVED2.TXT.doc"},
        {"graph.Doc", "graph.Doc.txt", "graph.Doc"},
        {"a.txt.txt", "a.txt.txt", "a.txt.txt.doc"}};
    testing::WriteFile(DirFile("report.doc"), std::string(100000, 'x'));
    win.Text1.Set("x");
    win.imgScreenVisible = true;
    for (const auto& [chosen, text, graphFile] : rows) {
        SCOPED_TRACE(chosen);
        clipboard.text = "earlier";
        Save(DirFile(chosen));
        EXPECT_EQ(ReadFile(DirFile(text)) + ReadFile(DirFile(graphFile)), "x\r\n" + graph);
        EXPECT_EQ(clipboard.image.png + clipboard.text, SamplePng().png)
            << "the clipboard holds the picture alone";
    }
    EXPECT_EQ(ReadFile(TempDocPath(services.dataRoot)), graph);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 12)
        << "no file beyond the eleven named and the data root";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveAndExportTest, SaveWritesNothingOnCancelNorFromText2AndTellsWhatItCannotWrite) {
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

    win.imgScreenVisible = win.Text1.visible = true;
    Save(DirFile("no such folder/site"));
    EXPECT_EQ(dialogs.messages, (Messages{CantWrite(DirFile("no such folder/site.txt")),
                                          CantWrite(DirFile("no such folder/site.doc"))}));
    EXPECT_EQ(ReadFile(TempDocPath(services.dataRoot)), graph) << "the scratch copy is still made";
}

} // namespace
} // namespace orvane
