// The Qt-free window procedures over a data root in a temporary folder with the real file
// system, recording picture surfaces and clipboard, and picture documents served from memory:
// the load, the target dialog's OK, opening records from the list, and the Edit commands.
// Clicks through the real widgets are the window's tests.

#include "report_builders.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/recording_surface.h"
#include "ui/logic/editing.h"
#include "ui/logic/record_viewer.h"
#include "ui/logic/target_selection.h"
#include "workspace/disk_file_system.h"
#include "workspace/report_commands.h"
#include "workspace/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <tuple>

namespace orvane::ui_testing {
namespace {

constexpr int TarnOption = 0, VeskOption = 1, OruOption = 2; // in TargetFamilies' order

struct MemorySettingsStore final : SettingsStore {
    std::map<std::string, std::string> values; // by "section/key"
    std::string Read(const std::string& section, const std::string& key) override {
        return values[section + "/" + key];
    }
    void Write(const std::string&, const std::string&, const std::string&) override {}
};

class LogicTest : public ::testing::Test {
  protected:
    LogicTest() { ApplyTarget(ws, win, services, TargetVesk); }

    // Report 1 opened, its records on lines 1 (text) and 2 (graph); report 2 closed on line 3.
    void AddTwoReports() {
        AddReport(ws, win, "WORKSPACE_12052026-034512AM");
        AddRecord(ws, 1, KindRecord, "\r\nLEVEL -12.5 dBm", "12052026-035651AM",
                  Path("TARN/12052026-035651AM.txt"));
        AddRecord(ws, 1, KindGraph, "", "12052026-040112AM", Path("VESK/12052026-040112AM.doc"));
        AddReport(ws, win, "WORKSPACE_12062026-080000AM");
        DoubleClick(0);
    }
    std::string Path(const std::string& name) const { return services.dataRoot + "/" + name; }

    // A double click on `line` and the left button's release that acts on it.
    void DoubleClick(int line) {
        List1_DblClick(ws, win, line);
        EXPECT_FALSE(List1_MouseUp(ws, win, services, devices, MouseButton::Left));
    }

    // The view in one line: its shown parts, its caption and Text1's text.
    std::string View() const {
        return std::string(win.Text1.visible ? " Text1" : "") +
               (win.Text2.visible ? " Text2" : "") + (win.imgScreenVisible ? " imgScreen" : "") +
               (win.scrGraphicVisible ? " scrGraphic" : "") + "|" + win.Frame2Caption + "|" +
               win.Text1.text;
    }

    testing::TempDir dir;
    DiskFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, dir.path().string()};
    Workspace ws;
    WindowState win;
    testing::RecordingSurface screen, temp;
    GraphSurfaces surfaces{screen, temp};
    testing::RecordingClipboard clipboard;
    std::map<std::string, EncodedImage> documents; // what the picture reader finds, by path
    RecordViewDevices devices{surfaces, clipboard, [this](const std::string& path) {
                                  return documents.contains(path) ? std::optional(documents[path])
                                                                  : std::nullopt;
                              }};
    testing::FakeSerialPort port;
};

// Every start shows the emptied text view, whatever was shown and stored. The stored target is
// read as the number its text begins with, rounded half to even; one that names no family
// would leave TargetDir empty and put the index into the data root itself.
TEST_F(LogicTest, LoadStartsEmptyWithTheStoredTargetOrVesk) {
    const std::pair<const char*, std::size_t> rows[] = {
        // stored, index in TargetFamilies
        {"", 1},         {"abc", 1},  {"0", 1},   {" 7", 1},   {"-1", 1},          {"3", 2},
        {"\r\n\t3x", 2}, {"3.49", 2}, {"2.5", 0}, {"+1.6", 0}, {"99999999999", 1}, {" 2", 0}};
    for (const auto& [stored, index] : rows) {
        SCOPED_TRACE(::testing::Message() << '"' << stored << '"');
        std::filesystem::remove_all(services.dataRoot); // as on a first run
        win.Text1.visible = false;
        win.imgScreenVisible = win.scrGraphicVisible = win.Text2.visible = true;
        win.ProgressVisible = ws.Connected = ws.RecordInEditor = true;
        AddReport(ws, win, "WORKSPACE_12052026-034512AM");
        MemorySettingsStore settings;
        settings.values = {{"CommPort/LastCommPort", "3"},
                           {"SerialSetting/LastSetting", "19200,E,7,1"},
                           {"TypeOfTarget/LastTypeOfTarget", stored}};
        Form_Load(ws, win, services, settings, port);
        const TargetFamily& family = TargetFamilies[index];
        EXPECT_EQ(ws.TargetDir, family.keyword);
        EXPECT_TRUE(files.IsDirectory(Path(ws.TargetDir)));
        EXPECT_EQ(win.StatusPanel, (std::array<std::string, 3>{"Disconnected", "Serial Port : ",
                                                               std::string(family.statusText)}));
        EXPECT_EQ(View() + std::to_string(ws.ReportCount + ws.ListCount), " Text1|Report|0");
        EXPECT_FALSE(win.ProgressVisible || ws.Connected || ws.Disconnected || ws.RecordInEditor);
        EXPECT_EQ(std::to_string(port.port) + " " + port.Settings(), "3 19200,e,7,1");
    }
}

// Each OK lays the view out again and makes the family's directory; only a change of family
// empties the view, and Tarn shows the caption the last graph family's OK replaced.
TEST_F(LogicTest, TargetOkLaysOutTheFamilyEmptiesTheViewOnAChangeAndLoadsItsReports) {
    const struct {
        std::optional<int> option;
        std::size_t family; // after the OK
        const char* view;   // and what the graph surfaces hold
    } rows[] = {{std::nullopt, 1, " imgScreen scrGraphic|Screen|held|graphgraph"},
                {VeskOption, 1, " imgScreen scrGraphic|Screen|held|graphgraph"},
                {TarnOption, 0, " Text1|Screen|held|"},
                {TarnOption, 0, " Text1|Screen|held|graphgraph"},
                {OruOption, 2, " imgScreen scrGraphic|Screen||graphgraph"}};
    for (const auto& row : rows) {
        const TargetFamily& family = TargetFamilies[row.family];
        SCOPED_TRACE(family.keyword);
        win.Text1.text = "held";
        screen.loaded = temp.loaded = EncodedImage{"graph", 1, 1};
        port.inputMode = family.tarnMode ? InputMode::Binary : InputMode::Text;
        std::filesystem::remove_all(Path(std::string(family.keyword)));
        Form4_cmdOK_Click(ws, win, services, port, surfaces, row.option);
        EXPECT_EQ(View() + "|" + screen.loaded.png + temp.loaded.png, row.view);
        EXPECT_EQ(port.inputMode, family.tarnMode ? InputMode::Text : InputMode::Binary);
        EXPECT_EQ(ws.TargetDir + " " + win.StatusPanel[2],
                  std::string(family.keyword) + " " + std::string(family.statusText));
        EXPECT_TRUE(files.IsDirectory(Path(ws.TargetDir)));
    }
    Form4_cmdOK_Click(ws, win, services, port, surfaces, TarnOption); // what follows needs Tarn

    // While the link is down the list follows the family: the family left is written first, the
    // new one's saved reports are listed as they are, with no fresh report added (which index
    // gets what: the workspace tests).
    AddTwoReports();
    DoubleClick(1);
    ws.Dirty = true;
    Form4_cmdOK_Click(ws, win, services, port, surfaces, OruOption);
    EXPECT_EQ(testing::ReadFile(Path("TARN/12052026-035651AM.txt")), "\r\nLEVEL -12.5 dBm\r\n");
    EXPECT_EQ(ws.ListCount + ws.ReportCount, 0) << "Oru has no saved reports";
}

TEST_F(LogicTest, RecordsOpenedFromTheListAndOnlyTheUsersEditsReachTheOpenTextRecord) {
    AddTwoReports();
    const std::string document = Path("VESK/12052026-040112AM.doc");
    documents[document] = EncodedImage{"PNG bytes", 520, 900};
    clipboard.text = "the user's clipboard";
    win.Text2.visible = true;
    win.scrGraphicValue = 40;
    DoubleClick(2);
    EXPECT_EQ(View(), " imgScreen scrGraphic|   GRAPH:    12052026-040112AM|");
    // Shown from its top; the picture travels by the clipboard, which loses the user's text.
    EXPECT_EQ(std::to_string(win.scrGraphicValue) + "|" + screen.loaded.png + "|" +
                  std::to_string(temp.loaded.height) + "|" + clipboard.text + "|" +
                  clipboard.image.png,
              "0|PNG bytes|900||PNG bytes");
    DoubleClick(1);
    EXPECT_EQ(View(), " Text1|   RECORD:  12052026-035651AM|\r\nLEVEL -12.5 dBm");

    // An unreadable picture document leaves the graph view blank and says so.
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "a document without a picture" : "no document");
        documents.clear();
        if (present) // the surfaces refuse it
            documents[document] = EncodedImage{"", 1, 1};
        screen.loaded = temp.loaded = EncodedImage{"earlier graph", 10, 10};
        dialogs.messages.clear();
        DoubleClick(2);
        EXPECT_EQ(View() + screen.loaded.png + temp.loaded.png,
                  " imgScreen scrGraphic|   GRAPH:    12052026-040112AM|\r\nLEVEL -12.5 dBm");
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"The picture document " + document +
                                                             " could not be read."});
    }
    // Tarn has no graph view: its graph records are shown as text.
    ApplyTarget(ws, win, services, TargetTarn);
    ws.RecordText[1][2] = "stored text";
    DoubleClick(2);
    EXPECT_EQ(View(), " Text1|   GRAPH:    12052026-040112AM|stored text");

    // Edit commands and typing change the open text record until anything else takes the view
    // over.
    DoubleClick(1);
    Clear_Screen(ws, win);
    clipboard.text = "LEVEL";
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});
    mnuCut_Click(ws, win, clipboard, {{0, 2}, {}});
    Text1_Change(ws, win, win.Text1.text + "!");
    EXPECT_EQ(ws.RecordText[1][1] + (ws.Dirty ? ", dirty" : ""), "VEL!, dirty");

    ws.Dirty = false;
    win.Text1.Set("\r\nCAPTURED"); // a capture, with no release over the list
    Text1_Change(ws, win, win.Text1.text + " edited");
    Clear_Screen(ws, win);
    mnuPaste_Click(ws, win, clipboard, {{0, 0}, {}});
    DoubleClick(1);
    EXPECT_TRUE(List1_MouseUp(ws, win, services, devices, MouseButton::Right));
    win.ListIndex = -1; // Open without a current line keeps the editing ended
    mnuRecordOpen_Click(ws, win, services, devices);
    Text1_Change(ws, win, "typed");
    EXPECT_EQ(ws.RecordText[1][1] + (ws.RecordInEditor || ws.Dirty ? ", linked" : ""), "VEL!");

    AddRecord(ws, 2, KindRecord, "", "12062026-080500AM", Path("VESK/12062026-080500AM.doc"));
    List1_Click(ws, win, 3);
    ws.CurrentReport = 1; // moved on since the click: Open acts on the line's own report
    mnuRecordOpen_Click(ws, win, services, devices);
    EXPECT_EQ(ws.ListText[4], "   RECORD:  12062026-080500AM");
}

// Text1 when shown, else Text2 (Cut: Text1 only), on the selection cut to the text; Clear
// Screen empties both boxes under Tarn, Text1 only under the graph families.
TEST_F(LogicTest, EditCommandsActOnTheShownBoxsSelection) {
    const auto cut = [&](Selections s) { return mnuCut_Click(ws, win, clipboard, s); };
    const auto copy = [&](Selections s) { return mnuCopy_Click(win, clipboard, s), EditOutcome{}; };
    const auto paste = [&](Selections s) { return mnuPaste_Click(ws, win, clipboard, s); };
    const auto all = [&](Selections) { return mnuSelectAll_Click(win); };
    const auto clear = [&](Selections) { return Clear_Screen(ws, win), EditOutcome{}; };
    const struct {
        std::function<EditOutcome(Selections)> command;
        bool text1, text2;
        TextSelection selection; // of Text1; Text2's is "SCREEN"
        const char* after;       // Text1|Text2|clipboard
        EditOutcome outcome = {};
        std::int32_t target = TargetVesk;
    } rows[] = {
        {cut, true, true, {11, 99}, "LEVEL -12.5|SCREEN 2| dBm", {TextBoxId::Text1, {11, 0}}},
        {cut, false, true, {6, 5}, "LEVEL -12.5 dBm|SCREEN 2|X"},
        {copy, false, true, {6, 5}, "LEVEL -12.5 dBm|SCREEN 2|SCREEN"},
        {paste, true, true, {40, 3}, "LEVEL -12.5 dBmX|SCREEN 2|X", {TextBoxId::Text1, {16, 0}}},
        {paste, false, true, {6, 5}, "LEVEL -12.5 dBm|X 2|X", {TextBoxId::Text2, {1, 0}}},
        {all, false, true, {}, "LEVEL -12.5 dBm|SCREEN 2|X", {TextBoxId::Text2, {0, 8}}},
        {clear, true, true, {}, "|SCREEN 2|X"},
        {clear, false, true, {}, "LEVEL -12.5 dBm|SCREEN 2|X", {}, TargetOru},
        {clear, true, true, {}, "||X", {}, TargetTarn},
        {clear, false, true, {}, "LEVEL -12.5 dBm||X", {}, TargetTarn},
        {clear, false, false, {}, "LEVEL -12.5 dBm|SCREEN 2|X", {}, TargetTarn}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows);
        ApplyTarget(ws, win, services, row.target);
        win.Text1 = {"LEVEL -12.5 dBm", row.text1, 0};
        win.Text2 = {"SCREEN 2", row.text2, 0};
        clipboard.text = "X";
        const EditOutcome outcome = row.command({row.selection, {0, 6}});
        EXPECT_EQ(win.Text1.text + "|" + win.Text2.text + "|" + clipboard.text, row.after);
        EXPECT_EQ(
            std::tuple(outcome.box, outcome.selection.start, outcome.selection.length),
            std::tuple(row.outcome.box, row.outcome.selection.start, row.outcome.selection.length));
    }
}

} // namespace
} // namespace orvane::ui_testing
