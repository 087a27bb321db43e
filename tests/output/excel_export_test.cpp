#include "output/excel_export.h"
#include "output_command_test.h"

namespace orvane {
namespace {

using testing::ReadFile;
using testing::RefusingFileSystem;
using testing::WriteFile;

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(TabSeparated, ReplacesWithoutOverlapOrRescan) {
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("xaax", "a", "aa"), "xaaaax");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("abc", "d", "e"), "abc");
}

TEST(TabSeparated, EachRunOfBlanksBecomesColumnBreaks) {
    for (int n = 1; n <= 38; ++n)
        EXPECT_EQ(TabSeparated("A" + Blanks(n) + "B"), "A\tB") << n << " blanks";
    // Runs collapse by fives, fours, threes and twos in turn, so some lengths leave an empty
    // cell.
    const std::pair<int, int> runs[] = {{39, 2}, {40, 1}, {43, 2},  {54, 2}, {55, 2},
                                        {56, 1}, {57, 1}, {158, 2}, {159, 3}};
    for (const auto& [blanks, tabs] : runs)
        EXPECT_EQ(TabSeparated("A" + Blanks(blanks) + "B"),
                  "A" + std::string(static_cast<std::size_t>(tabs), '\t') + "B")
            << blanks << " blanks";
    const std::pair<std::string, std::string> rows[] = {
        {"ABC   12.5  dB", "ABC\t12.5\tdB"},
        {"   LEVEL", "\tLEVEL"}, // a leading run leaves an empty first cell
        {Blanks(39) + "X", "\t\tX"},
        {"A\tB  C\r\nD \xe9\xff\r\n", "A\tB\tC\r\nD\t\xe9\xff\r\n"},
    };
    for (const auto& [text, table] : rows)
        EXPECT_EQ(TabSeparated(text), table) << "from \"" << text << "\"";
}

class ExcelExportTest : public testing::OutputCommandTest {
  protected:
    ExcelExportTest() { win.Text1.Set("ABC   12.5  dB\r\n  X\tY\r\n"); }
    std::string Export() { return mnuExportToExcel_Click(ws, win, services, launcher); }
};

TEST_F(ExcelExportTest, WritesTheTableFromAFreshScratchFileAndOpensIt) {
    std::filesystem::create_directories(root);
    WriteFile(InterPath(root.string()), "left over from a crash\r\n");
    const std::string table = Export();

    EXPECT_EQ(table, RootFile("12052026-035651AM.xls"));
    EXPECT_EQ(ReadFile(table), "Company:\tAcme\tTele\r\n"
                               "Technician:\tJ.\tDoe\r\n"
                               "Ticket:\tT-42\r\n"
                               "Comment:\t\r\n"
                               "ABC\t12.5\tdB\r\n"
                               "\tX\tY\r\n"
                               "\r\n");
    EXPECT_EQ(launcher.spreadsheetFiles, testing::Messages{table});
    EXPECT_FALSE(std::filesystem::exists(InterPath(root.string())));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExcelExportTest, ASecondExportInTheSameSecondTakesTheNextName) {
    const std::string first = Export();
    const std::string firstBytes = ReadFile(first);
    win.Text1.Set("OTHER");
    const std::string second = Export();

    EXPECT_EQ(second, RootFile("12052026-035652AM.xls"));
    EXPECT_EQ(ReadFile(first), firstBytes);
    EXPECT_TRUE(ReadFile(second).ends_with("\r\nOTHER\r\n"));
}

TEST_F(ExcelExportTest, DoesNothingUnlessText1IsVisible) {
    win.Text1.visible = false;
    win.Text2.Set("second box");
    win.Text2.visible = true;
    win.imgScreenVisible = true;
    EXPECT_EQ(Export(), "");
    EXPECT_FALSE(std::filesystem::exists(root));
    EXPECT_TRUE(launcher.spreadsheetFiles.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExcelExportTest, SaysSoWhenNoSpreadsheetProgramIsInstalled) {
    launcher.spreadsheetInstalled = false;
    EXPECT_EQ(Export(), "");
    EXPECT_EQ(dialogs.messages, testing::Messages{"Can't find the Microsoft Excel in your PC!"});
    EXPECT_TRUE(std::filesystem::is_empty(root)) << "neither a table nor the scratch file";
    EXPECT_TRUE(launcher.spreadsheetFiles.empty());
}

TEST_F(ExcelExportTest, TellsWhenTheTableCannotBeWritten) {
    RefusingFileSystem refusing(disk, RootFile("12052026-035651AM.xls"));
    Services refusingServices{refusing, clock, dialogs, root.string()};
    EXPECT_EQ(mnuExportToExcel_Click(ws, win, refusingServices, launcher), "");
    EXPECT_EQ(dialogs.messages,
              testing::Messages{testing::CantWrite(RootFile("12052026-035651AM.xls"))});
    EXPECT_TRUE(launcher.spreadsheetFiles.empty());
    EXPECT_FALSE(std::filesystem::exists(InterPath(root.string())));
}

} // namespace
} // namespace orvane
