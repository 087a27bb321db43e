#include "workspace/index_format.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(RecordFileName, AcceptsTheStampsThisProgramMakes) {
    EXPECT_TRUE(IsRecordFileName("12052026-035651AM.txt", KindRecord));
    EXPECT_TRUE(IsRecordFileName("12052026-040112PM.doc", KindGraph));
    EXPECT_TRUE(IsRecordFileName("12052026-15040505.txt", KindRecord)) << "24-hour suffix";
    EXPECT_TRUE(IsRecordFileName("12052026-150405nm.txt", KindRecord));
    EXPECT_TRUE(IsRecordFileName("12052026-150405\xE4\xF6.txt", KindRecord));
}

TEST(RecordFileName, RefusesEverythingElse) {
    for (const char* name : {
             "12052026-035651AM.doc",  // a text record in a document
             "12052026-035651A.txt",   // too short
             "12052026-035651AMX.txt", // too long
             "1205202a-035651AM.txt",  // letter in the date
             "12052026_035651AM.txt",  // no hyphen
             "12052026-03565.AM.txt",  // dot in the time
             "12052026-035651\\M.txt", // separator
             "12052026-035651/M.txt",  // separator
             "12052026-035651..txt",   // dot in the suffix
             "12052026-035651:M.txt",  // drive colon
             "12052026-035651\nM.txt", // control character
             "12052026-035651AM.TXT",  // other extension
             "..\\..\\..\\..\\xyz.txt",
         })
        EXPECT_FALSE(IsRecordFileName(name, KindRecord)) << name;
    EXPECT_FALSE(IsRecordFileName("12052026-035651AM.txt", KindGraph));
    EXPECT_FALSE(IsRecordFileName("12052026-035651AM.txt", KindDeleted));
    EXPECT_FALSE(IsRecordFileName("12052026-035651AM.txt", 3));
}

TEST(ParseIndex, LinesEndAtCrLfCrOrLf) {
    const ParsedIndex index = ParseIndex("-\rA\nf1\r\nf2\r\rf4\n"
                                         " 1 x\\12052026-035651AM.txt\rlabel\n#");
    ASSERT_EQ(index.reports.size(), 1u);
    EXPECT_EQ(index.reports[0].name, "A");
    EXPECT_EQ(index.reports[0].fields, (std::array<std::string, 4>{"f1", "f2", "", "f4"}));
    ASSERT_EQ(index.reports[0].records.size(), 1u);
    EXPECT_EQ(index.reports[0].records[0].fileName, "12052026-035651AM.txt");
    EXPECT_EQ(index.reports[0].records[0].label, "label");
}

TEST(ParseIndex, ABlockCutShortAtTheEndKeepsWhatWasRead) {
    const ParsedIndex index = ParseIndex("-\r\nA\r\nAcme\r\n");
    ASSERT_EQ(index.reports.size(), 1u);
    EXPECT_EQ(index.reports[0].name, "A");
    EXPECT_EQ(index.reports[0].fields[0], "Acme");
    EXPECT_EQ(index.reports[0].fields[1], "");
}

TEST(ParseIndex, StrayLinesAndOtherKindsAreIgnored) {
    const ParsedIndex index = ParseIndex("-\r\nA\r\n\r\n\r\n\r\n\r\n"
                                         " 3 C:\\PLX\\VESK\\12052026-035651AM.txt\r\n"
                                         "   RECORD:  12052026-035651AM\r\n"
                                         "  1 C:\\PLX\\VESK\\12052026-035652AM.txt\r\n"
                                         "anything\r\n"
                                         "\r\n"
                                         "#\r\n");
    ASSERT_EQ(index.reports.size(), 1u);
    EXPECT_TRUE(index.reports[0].records.empty());
    EXPECT_EQ(index.invalidRecordLines, 0);
}

TEST(ParseIndex, ARecordLineAtTheVeryEndHasAnEmptyLabel) {
    const ParsedIndex index = ParseIndex("-\r\nA\r\n\r\n\r\n\r\n\r\n"
                                         " 2 C:\\PLX\\VESK\\12052026-035651AM.doc");
    ASSERT_EQ(index.reports.at(0).records.size(), 1u);
    EXPECT_EQ(index.reports[0].records[0].kind, KindGraph);
    EXPECT_EQ(index.reports[0].records[0].label, "");
}

TEST(RecordFileText, ReadingGivesBackWhatWritingWasGiven) {
    for (const std::string text : {"", "X\r\nY", "X\r\nY\r\n", "\r\nX\r\nY", "\r\n", "A\rB\nC"})
        EXPECT_EQ(RecordTextOf(RecordFileBytes(text)), text);
    EXPECT_EQ(RecordFileBytes("X\r\nY"), "X\r\nY\r\n");
    EXPECT_EQ(RecordTextOf("X\r\nY\r\n"), "X\r\nY");
    EXPECT_EQ(RecordTextOf("X\r\nY"), "X\r\nY") << "a file without the final line end";
}

} // namespace
} // namespace orvane
