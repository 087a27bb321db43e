#include "logic_fixture.h"

#include "ui/logic/about_box.h"
#include "ui/logic/language.h"

#include <array>

namespace orvane::logic_testing {
namespace {

using Labels = std::array<std::string, 4>;
const Labels English{"Company", "Technician", "Ticket/Order", "Comments"};
const Labels German{"Firma", "Techniker", "Auftrag", "Kommentar"};

TEST(LogicLanguage, GermanAndBack) {
    Workspace ws;
    WindowState win;
    Form6_cmdOK_Click(ws, win, LanguageChoice::German);
    EXPECT_EQ(ws.Language, 2);
    EXPECT_EQ(win.HeaderLabel, German);
    Form6_cmdOK_Click(ws, win, LanguageChoice::English);
    EXPECT_EQ(ws.Language, 1);
    EXPECT_EQ(win.HeaderLabel, English);
}

TEST(LogicLanguage, NeitherOptionKeepsTheCurrentLanguage) {
    Workspace ws;
    WindowState win;
    Form6_cmdOK_Click(ws, win, LanguageChoice::None);
    EXPECT_EQ(win.HeaderLabel, English);

    Form6_cmdOK_Click(ws, win, LanguageChoice::German);
    win.HeaderLabel = {};
    Form6_cmdOK_Click(ws, win, LanguageChoice::None);
    EXPECT_EQ(ws.Language, 2);
    EXPECT_EQ(win.HeaderLabel, German);
}

TEST(LogicAbout, SupportTextHasEightContactLinesEachAfterALineBreak) {
    Workspace ws;
    ws.VersionLabel = "0.1.0";
    const AboutTexts texts = Form2_Load(ws);
    EXPECT_EQ(texts.title, "Orvane Reporter");
    EXPECT_EQ(texts.version, "Version 0.1.0");
    ASSERT_EQ(texts.support.rfind("Support:\r\n", 0), 0u);

    int lines = 0;
    for (std::size_t at = texts.support.find("\r\n"); at != std::string::npos;
         at = texts.support.find("\r\n", at + 2)) {
        ++lines;
        EXPECT_LT(at + 2, texts.support.size()) << "no line break after the last line";
        EXPECT_NE(texts.support.substr(at + 2, 2), "\r\n") << "no empty contact line";
    }
    EXPECT_EQ(lines, 8);
}

} // namespace
} // namespace orvane::logic_testing
