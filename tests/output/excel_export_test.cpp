#include "output/excel_export.h"
#include "output/picture_document.h"
#include "output_command_test.h"

namespace orvane {
namespace {

using testing::Messages;
using testing::ReadFile;

std::string Chars(int n, char c) {
    return std::string(static_cast<std::size_t>(n), c);
}

TEST(TabSeparated, EachRunOfBlanksBecomesColumnBreaks) {
    for (int n = 1; n <= 38; ++n)
        EXPECT_EQ(TabSeparated("A" + Chars(n, ' ') + "B"), "A\tB") << n << " blanks";
    // The passes collapse runs by fives, fours, threes and twos in turn, so some lengths leave
    // an empty cell, as does a leading run.
    const std::pair<int, int> runs[] = {{39, 2}, {40, 1}, {43, 2},  {54, 2}, {55, 2},
                                        {56, 1}, {57, 1}, {158, 2}, {159, 3}};
    for (const auto& [blanks, tabs] : runs) {
        EXPECT_EQ(TabSeparated("A" + Chars(blanks, ' ') + "B"), "A" + Chars(tabs, '\t') + "B")
            << blanks << " blanks";
        EXPECT_EQ(TabSeparated(Chars(blanks, ' ') + "B"), Chars(tabs, '\t') + "B") << blanks;
    }
    EXPECT_EQ(TabSeparated("   LEVEL"), "\tLEVEL");
    EXPECT_EQ(TabSeparated("A\tB  C\r\nD \xe9\xff\r\n"), "A\tB\tC\r\nD\t\xe9\xff\r\n");
}

class ExcelExportTest : public testing::OutputCommandTest {
  protected:
    ExcelExportTest() { win.Text1.Set("ABC   12.5  dB\r\n  X\tY\r\n"); }
    std::string Export() { return mnuExportToExcel_Click(ws, win, services, launcher); }
    std::string Inter() const { return InterPath(root.string()); }
};

TEST_F(ExcelExportTest, WritesTheTableAndOpensIt) {
    const std::string table = Export();

    EXPECT_EQ(table, RootFile("12052026-035651AM.xls"));
    EXPECT_EQ(ReadFile(table), "Company:\tAcme\tTele\r\nTechnician:\tJ.\tDoe\r\nTicket:\tT-42\r\n"
                               "Comment:\t\r\nABC\t12.5\tdB\r\n\tX\tY\r\n\r\n");
    EXPECT_EQ(launcher.spreadsheetFiles, Messages{table});
    EXPECT_FALSE(std::filesystem::exists(Inter()));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExcelExportTest, ASecondExportInTheSameSecondTakesTheNextName) {
    const std::string first = Export();
    const std::string firstBytes = ReadFile(first);
    win.Text1.Set("OTHER");
    EXPECT_EQ(Export(), RootFile("12052026-035652AM.xls"));
    EXPECT_EQ(ReadFile(first), firstBytes);
    EXPECT_TRUE(ReadFile(RootFile("12052026-035652AM.xls")).ends_with("\r\nOTHER\r\n"));
}

TEST_F(ExcelExportTest, DoesNothingUnlessText1IsVisible) {
    win.Text1.visible = false;
    win.Text2.Set("second box");
    win.Text2.visible = win.imgScreenVisible = true;
    EXPECT_EQ(Export(), "");
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_TRUE(launcher.spreadsheetFiles.empty() && dialogs.messages.empty());
}

TEST_F(ExcelExportTest, SaysSoWhenNoSpreadsheetProgramIsInstalled) {
    launcher.spreadsheetInstalled = false;
    EXPECT_EQ(Export(), "");
    EXPECT_EQ(dialogs.messages, Messages{"Can't find the Microsoft Excel in your PC!"});
    EXPECT_TRUE(std::filesystem::is_empty(root)) << "neither a table nor the scratch file";
    EXPECT_TRUE(launcher.spreadsheetFiles.empty());
}

TEST_F(ExcelExportTest, TellsWhenTheTableCannotBeWritten) {
    testing::RefusingFileSystem refusing(disk, RootFile("12052026-035651AM.xls"));
    Services refusingServices{refusing, clock, dialogs, root.string()};
    EXPECT_EQ(mnuExportToExcel_Click(ws, win, refusingServices, launcher), "");
    EXPECT_EQ(dialogs.messages, Messages{testing::CantWrite(RootFile("12052026-035651AM.xls"))});
    EXPECT_TRUE(launcher.spreadsheetFiles.empty());
    EXPECT_FALSE(std::filesystem::exists(Inter()));
}

// Another copy of the program on the same data root, in the middle of its own export.
TEST_F(ExcelExportTest, LeavesTheScratchFilesToAnotherCopyUsingThem) {
    testing::FakeLocks locks;
    services.locks = &locks;
    std::filesystem::create_directories(root);
    testing::WriteFile(Inter(), "the other copy's table");
    testing::WriteFile(RootFile("temp.doc"), "the other copy's document");
    locks.heldElsewhere = {Inter(), RootFile("temp.doc")};

    EXPECT_EQ(Export(), "");
    EXPECT_EQ(dialogs.messages, Messages{testing::CantWrite(Inter())});
    EXPECT_TRUE(Picture_To_Document(disk, root.string(), testing::SamplePng(),
                                    RootFile("graph.doc"), &locks));
    EXPECT_EQ(testing::ReadFile(Inter()), "the other copy's table");
    EXPECT_EQ(testing::ReadFile(RootFile("temp.doc")), "the other copy's document");

    locks.heldElsewhere.clear();
    EXPECT_NE(Export(), "");
    EXPECT_FALSE(std::filesystem::exists(Inter()));
    EXPECT_TRUE(locks.held.empty()) << "let go after use";
}

} // namespace
} // namespace orvane
