// The pushed-text capture of Tarn/TarnX test sets, fed arbitrary bytes.
//
// First the cleaning alone, on the whole input: every CR comes out as CR LF, no LF stands
// alone, and what is left is the input with bytes taken out (only where an escape sequence
// stood), never added or reordered; and the input cut into random pieces, or byte by byte,
// is cleaned to the very same text. Then the capture: the input arrives in random chunks with
// random silences between them, the workspace is saved whenever a transmission ends, and
// after every chunk the text view shows exactly the text of the record being captured, a
// header line followed by cleaned text, with the tables within their bounds.

#include "harness/fresh.h"
#include "harness/input_random.h"
#include "harness/memory_file_system.h"
#include "harness/require.h"
#include "harness/workspace_checks.h"
#include "output/stamps.h"
#include "serial/pushed_text_capture.h"
#include "serial/pushed_text_cleaning.h"
#include "support/fake_serial_port.h"
#include "support/fakes.h"
#include "workspace/data_paths.h"
#include "workspace/index_file.h"
#include "workspace/index_format.h"
#include "workspace/report_commands.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace orvane;

constexpr char Esc = '\x1b';
constexpr std::string_view HeaderStart = "   RECORD:";
constexpr std::size_t StampLength = 17;

std::string WithoutLineFeeds(std::string_view text) {
    std::string kept(text);
    std::erase(kept, '\n');
    return kept;
}

bool IsSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : whole)
        if (at < part.size() && part[at] == c)
            ++at;
    return at == part.size();
}

// Every CR is followed by LF and every LF follows a CR.
void CheckLineEnds(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            ORVANE_REQUIRE(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n')
            ORVANE_REQUIRE(i > 0 && text[i - 1] == '\r');
    }
}

void CheckCleaning(std::string_view input) {
    const std::string cleaned = CleanPushedText(input);
    CheckLineEnds(cleaned);
    const std::string kept = WithoutLineFeeds(cleaned);
    const std::string sent = WithoutLineFeeds(input);
    if (input.find(Esc) == std::string_view::npos)
        ORVANE_REQUIRE(kept == sent);
    else
        ORVANE_REQUIRE(kept.size() <= sent.size() && IsSubsequence(kept, sent));
}

// However a serial adapter cuts the transmission, its text is the same.
void CheckCutsChangeNothing(std::string_view input) {
    const std::string whole = CleanPushedText(input);
    fuzzing::InputRandom random(input);
    PushedTextCleaner pieces;
    std::string cleaned;
    for (const std::string_view piece : fuzzing::SplitIntoChunks(input, random))
        cleaned += pieces.Take(piece);
    ORVANE_REQUIRE(cleaned + pieces.Finish() == whole);

    PushedTextCleaner bytes;
    cleaned.clear();
    for (std::size_t i = 0; i < input.size(); ++i)
        cleaned += bytes.Take(input.substr(i, 1));
    ORVANE_REQUIRE(cleaned + bytes.Finish() == whole);
}

// A Tarn workspace as a Connect leaves it: one empty report, closed.
struct Rig {
    fuzzing::MemoryFileSystem files;
    testing::FakeClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, "/plx"};
    Workspace ws;
    WindowState win;
    testing::FakeSerialPort port;
    testing::CountingCapture link;
    PushedTextState state;

    Rig() {
        ResetWorkspace(ws);
        ws.TypeOfTarget = TargetTarn;
        ws.TargetDir = "TARN";
        ws.TarnMode = true;
        ws.Connected = true;
        ws.Loaded = true;
        mnuNewReport_Click(ws, win, services);
        port.open = true;
    }
};

// Mostly chunks of one transmission, sometimes the silence that ends it, rarely the wrap of
// the tick counter.
int SilenceTicks(fuzzing::InputRandom& random) {
    const std::size_t roll = random.Below(16);
    if (roll < 10)
        return static_cast<int>(random.Below(2));
    if (roll < 13)
        return 2 + static_cast<int>(random.Below(4));
    if (roll < 15)
        return TransmissionGapTicks + static_cast<int>(random.Below(4));
    return 4990 + static_cast<int>(random.Below(20));
}

void CheckCapturedRecord(const Rig& rig) {
    const CaptureSlot& slot = rig.state.record;
    if (rig.state.refused || slot.record == 0)
        return;
    const std::string& text = rig.ws.RecordText[slot.report][slot.record];
    ORVANE_REQUIRE(rig.win.Text1.text == text);
    ORVANE_REQUIRE(text.starts_with(HeaderStart));
    ORVANE_REQUIRE(text.size() >= HeaderStart.size() + StampLength + 2);
    ORVANE_REQUIRE(text.substr(HeaderStart.size() + StampLength, 2) == "\r\n");
    CheckLineEnds(text);
}

// The saved files hold what the tables hold.
void CheckSaved(Rig& rig) {
    ORVANE_REQUIRE(Create_iniFile(rig.ws, rig.services));
    int records = 0;
    for (int r = 1; r <= rig.ws.ReportCount; ++r) {
        for (int n = 1; n <= rig.ws.RecordCount[r]; ++n) {
            if (rig.ws.RecordType[r][n] != KindRecord)
                continue;
            ++records;
            const std::optional<std::string> file = rig.files.Read(rig.ws.RecordPath[r][n]);
            ORVANE_REQUIRE(file && *file == RecordFileBytes(rig.ws.RecordText[r][n]));
        }
    }
    const std::optional<std::string> index =
        rig.files.Read(IndexPath(rig.services.dataRoot, rig.ws.TargetDir));
    ORVANE_REQUIRE(index.has_value());
    const ParsedIndex parsed = ParseIndex(*index);
    ORVANE_REQUIRE(parsed.invalidRecordLines == 0);
    int listed = 0;
    for (const IndexReportEntry& report : parsed.reports)
        listed += static_cast<int>(report.records.size());
    ORVANE_REQUIRE(listed == records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckCleaning(bytes);
    CheckCutsChangeNothing(bytes);

    const fuzzing::Fresh<Rig> rig;
    fuzzing::InputRandom random(bytes);
    for (const std::string_view chunk : fuzzing::SplitIntoChunks(bytes, random)) {
        const int silence = SilenceTicks(random);
        for (int tick = 0; tick < silence; ++tick)
            if (Timer1_Timer(rig->state, rig->ws, rig->win))
                ORVANE_REQUIRE(Create_iniFile(rig->ws, rig->services));
        rig->clock.now = AddSeconds(rig->clock.now, silence / 2);
        rig->port.incoming.append(chunk);
        MSComm1_OnComm(rig->state, rig->ws, rig->win, rig->services, rig->port, rig->link,
                       CommEventReceive);
        ORVANE_REQUIRE(rig->port.incoming.empty());
        fuzzing::CheckWorkspace(rig->ws, rig->win);
        CheckCapturedRecord(*rig);
    }
    CheckSaved(*rig);
    return 0;
}
