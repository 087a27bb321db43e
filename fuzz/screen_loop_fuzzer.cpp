// The printer-stream decoder of Vesk/VeskM and Oru/Oru-c test sets, fed arbitrary bytes.
//
// The same bytes are fed twice: whole, and cut into random chunks or into single bytes. The
// decoder keeps its place between chunks, so both runs must end with the same workspace,
// window, drawing, clipboard, filed pictures and messages. After every chunk the drawing
// position stays at or right of and below the origin; the tables stay within their bounds. Bytes
// that arrive after the link ended change nothing.

#include "harness/digest_fakes.h"
#include "harness/fresh.h"
#include "harness/input_random.h"
#include "harness/memory_file_system.h"
#include "harness/require.h"
#include "harness/ticking_clock.h"
#include "harness/workspace_checks.h"
#include "harness/workspace_snapshot.h"
#include "serial/record_start.h"
#include "serial/screen_loop.h"
#include "support/fakes.h"
#include "workspace/report_commands.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvane;

// A Vesk workspace as a Connect leaves it: report 1 holds a text and a picture record and is
// open in the list; report 2, the newest, is empty and closed, so the first record start
// opens it.
struct Rig {
    fuzzing::MemoryFileSystem files;
    fuzzing::TickingClock clock;
    testing::FakeDialogs dialogs;
    Services services{files, clock, dialogs, "/plx"};
    Workspace ws;
    WindowState win;
    ProgressDisplay progress;
    fuzzing::DigestSurface imgScreen;
    fuzzing::DigestSurface imgTemp;
    fuzzing::DigestClipboard clipboard;
    fuzzing::DigestFiler filer;
    ScreenLoop loop{ws, win, services, progress, {imgScreen, imgTemp, clipboard, filer}};

    Rig() {
        ResetWorkspace(ws);
        ws.TypeOfTarget = TargetVesk;
        ws.TargetDir = "VESK";
        ws.VeskMode = true;
        ws.Connected = true;
        ws.Loaded = true;
        mnuNewReport_Click(ws, win, services);
        Open_Newest_Report(ws, win, services);
        Add_Capture_Record(ws, win, services, KindRecord);
        Add_Capture_Record(ws, win, services, KindGraph);
        mnuNewReport_Click(ws, win, services);
        loop.Start();
    }
};

// Everything the run left where the user or the disk can see it.
std::string Observed(const Rig& rig) {
    std::string out = fuzzing::Snapshot(rig.ws, rig.win);
    out += "imgScreen " + std::to_string(rig.imgScreen.Fingerprint()) + "\n";
    out += "imgTemp " + std::to_string(rig.imgTemp.Fingerprint()) + "\n";
    out += "clipboard " + std::to_string(rig.clipboard.Fingerprint()) + "\n";
    out += "filer " + std::to_string(rig.filer.Fingerprint()) + "\n";
    for (const std::string& message : rig.dialogs.messages)
        out += "message " + message + "\n";
    out += "progress " + std::to_string(rig.progress.CounterTimerEnabled) +
           std::to_string(rig.progress.ScreenTimerEnabled) +
           std::to_string(rig.progress.GraphTimerEnabled) + "\n";
    return out;
}

std::string DecoderState(const Rig& rig) {
    const AcquisitionState& s = rig.loop.State();
    return "running " + std::to_string(rig.loop.Running()) + " graphic " +
           std::to_string(s.GraphicMode) + " pending " + std::to_string(s.GraphPending) +
           " clear " + std::to_string(s.ClearPending) + " esc " + std::to_string(s.EscOnLine) +
           " band " + std::to_string(s.BandRow) + "," + std::to_string(s.BandColumn) + " image " +
           std::to_string(s.ImageColumns) + "," + std::to_string(s.ColumnIndex) + "," +
           std::to_string(s.ColumnByte) + "\n";
}

void CheckDecoder(const Rig& rig) {
    const AcquisitionState& s = rig.loop.State();
    ORVANE_REQUIRE(s.BandRow >= 0 && s.BandColumn >= 0);
    ORVANE_REQUIRE(s.ImageColumns >= 0);
    ORVANE_REQUIRE(s.ColumnIndex >= 0 && s.ColumnIndex <= s.ImageColumns);
    ORVANE_REQUIRE(s.GraphPending == 0 || s.GraphPending == 1);
    ORVANE_REQUIRE(s.EscOnLine == 0 || s.EscOnLine == 1);
}

void RequireSameRun(std::string_view what, const Rig& expected, const Rig& actual) {
    fuzzing::RequireSame(what, Observed(expected), Observed(actual));
    fuzzing::RequireSame(what, DecoderState(expected), DecoderState(actual));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const fuzzing::Fresh<Rig, 0> whole;
    whole->loop.Feed(bytes);
    CheckDecoder(*whole);
    fuzzing::CheckWorkspace(whole->ws, whole->win);

    // Cut as a serial port may deliver it: in random pieces or byte by byte, one of the two
    // per input, so that both are tried all along at the cost of one run.
    const fuzzing::Fresh<Rig, 1> cut;
    fuzzing::InputRandom random(bytes);
    const bool bytewise = random.Below(4) == 0;
    std::vector<std::string_view> pieces;
    if (bytewise) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            pieces.push_back(bytes.substr(i, 1));
    } else {
        pieces = fuzzing::SplitIntoChunks(bytes, random);
    }
    for (const std::string_view piece : pieces) {
        cut->loop.Feed(piece);
        CheckDecoder(*cut);
    }
    RequireSameRun(bytewise ? "whole and byte-by-byte feeds" : "whole and chunked feeds", *whole,
                   *cut);

    // The link ends: a picture cut short is filed, and then nothing more is decoded. A text
    // record start and a character would both show if it were.
    whole->loop.End();
    ORVANE_REQUIRE(!whole->loop.Running());
    whole->ws.Disconnected = true;
    const std::string before = Observed(*whole);
    whole->loop.Feed("\x1b\x20\x09Z");
    fuzzing::RequireSame("bytes after the link ended", before, Observed(*whole));
    return 0;
}
