#include "workspace/index_format.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(RecordFileName, AcceptsWhatAnyTimeFormatGaveAndRefusesWhatLeavesTheFolder) {
    // AM/PM, 24-hour seconds, "a.m."/"p.m.", a blank and a letter, other locales' letters.
    for (const char* name :
         {"12052026-035651AM.txt", "12052026-15040505.txt", "12052026-030405m..txt",
          "12052026-080910 s.txt", "12052026-150405nm.txt", "12052026-150405\xE4\xF6.txt",
          "12052026-03565.AM.txt", "1205202a_035651AM.txt"})
        EXPECT_TRUE(IsRecordFileName(name, KindRecord)) << name;
    EXPECT_TRUE(IsRecordFileName("12052026-040112PM.doc", KindGraph));
    for (std::int16_t kind : {KindGraph, KindDeleted, std::int16_t{3}})
        EXPECT_FALSE(IsRecordFileName("12052026-035651AM.txt", kind)) << kind;
    // Wrong extension or length, separators, drive colon, control characters.
    for (const char* name :
         {"12052026-035651AM.doc", "12052026-035651AM.TXT", "12052026-035651A.txt",
          "12052026-035651AMX.txt", "12052026-035651\\M.txt", "12052026-035651/M.txt",
          "C:052026-035651AM.txt", "12052026-035651:M.txt", "12052026-035651\nM.txt",
          "12052026-035651\x7FM.txt", "..\\..\\..\\..\\..\\xy.txt", "../../../../../xy.txt"})
        EXPECT_FALSE(IsRecordFileName(name, KindRecord)) << name;
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

TEST(ParseIndex, TextCutShortKeepsWhatWasRead) {
    const ParsedIndex fields = ParseIndex("-\r\nA\r\nAcme\r\n");
    ASSERT_EQ(fields.reports.size(), 1u);
    EXPECT_EQ(fields.reports[0].fields, (std::array<std::string, 4>{"Acme", "", "", ""}));
    const ParsedIndex record = ParseIndex("-\r\nA\r\n\r\n\r\n\r\n\r\n"
                                          " 2 C:\\PLX\\VESK\\12052026-035651AM.doc");
    ASSERT_EQ(record.reports.at(0).records.size(), 1u);
    EXPECT_EQ(record.reports[0].records[0].kind, KindGraph);
    EXPECT_EQ(record.reports[0].records[0].label, "");
}

TEST(RecordFileText, ReadingGivesBackWhatWritingWasGiven) {
    for (const std::string text : {"", "X\r\nY", "X\r\nY\r\n", "\r\nX\r\nY", "\r\n", "A\rB\nC"})
        EXPECT_EQ(RecordTextOf(RecordFileBytes(text)), text);
    EXPECT_EQ(RecordFileBytes("X\r\nY"), "X\r\nY\r\n");
    EXPECT_EQ(RecordTextOf("X\r\nY"), "X\r\nY") << "a file without the final line end";
}

} // namespace
} // namespace orvane
