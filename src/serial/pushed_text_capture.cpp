#include "serial/pushed_text_capture.h"

#include "output/stamps.h"
#include "serial/link.h"
#include "serial/record_start.h"

namespace orvane {
namespace {

constexpr std::int16_t LastTick = 5001;
constexpr std::int16_t TickAfterWrap = 6;
constexpr char BreakReason[] = "The line signalled a break.";

int Gap(const PushedTextState& state) {
    return state.TickCount - state.LastRxTick;
}

class CapturingScope {
  public:
    explicit CapturingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~CapturingScope() { flag_ = false; }
    CapturingScope(const CapturingScope&) = delete;
    CapturingScope& operator=(const CapturingScope&) = delete;

  private:
    bool& flag_;
};

// Cleaned text of the transmission: into its record while it has one, and, when `show`, into
// Text1.
void Keep(PushedTextState& state, Workspace& ws, WindowState& win, const std::string& text,
          bool show) {
    if (!state.refused && Locate_Capture_Record(ws, state.record)) {
        ws.RecordText[state.record.report][state.record.record] += text;
        ws.Dirty = true;
        state.unsaved = true;
    }
    if (!show)
        return;
    // Text1 shows the capture now; a record opened for editing earlier must not follow it.
    ws.RecordInEditor = false;
    win.Text1.Append(text);
}

bool Text1ShowsRecord(PushedTextState& state, Workspace& ws, const WindowState& win) {
    return !state.refused && Locate_Capture_Record(ws, state.record) &&
           win.Text1.text == ws.RecordText[state.record.report][state.record.record];
}

void StartTransmission(PushedTextState& state, Workspace& ws, WindowState& win,
                       Services& services) {
    End_Transmission(state, ws, win);
    state.RxBuffer.clear();

    Open_Newest_Report(ws, win, services);
    const std::int16_t record = Add_Capture_Record(ws, win, services, KindRecord);
    win.Text1.visible = true;
    win.Text1.Clear();
    if (record == 0) {
        // No room for it (the user has been told): the transmission is shown, not stored.
        state.refused = true;
        return;
    }
    const std::int16_t report = ws.ReportCount;
    state.record = {report, record, ws.RecordPath[report][record]};
    state.RxBuffer = "   RECORD:" + DateTimeStamp(services.clock) + "\r\n";
}

} // namespace

bool Timer1_Timer(PushedTextState& state, Workspace& ws, WindowState& win) {
    if (state.TickCount < LastTick) {
        ++state.TickCount;
    } else {
        // The counter goes on at 6. The silence since the last chunk goes on with it (up to
        // the six ticks that already end a transmission), so the wrap neither joins a new
        // transmission to an old record nor splits a running one.
        const int gap = Gap(state) + 1;
        state.TickCount = TickAfterWrap;
        state.LastRxTick =
            static_cast<std::int16_t>(gap >= TransmissionGapTicks ? 0 : TickAfterWrap - gap);
    }
    if (Gap(state) < TransmissionGapTicks)
        return false;
    if (state.cleaner.Holding())
        End_Transmission(state, ws, win);
    if (!state.unsaved)
        return false;
    state.unsaved = false;
    return true;
}

void End_Transmission(PushedTextState& state, Workspace& ws, WindowState& win) {
    // The view may show something else by now (the silence lasted three seconds): the tail
    // then goes into the record alone.
    if (const std::string tail = state.cleaner.Finish(); !tail.empty())
        Keep(state, ws, win, tail, Text1ShowsRecord(state, ws, win));
    state.record = {};
    state.refused = false;
}

void MSComm1_OnComm(PushedTextState& state, Workspace& ws, WindowState& win, Services& services,
                    SerialPort& port, LinkCapture& capture, int event) {
    switch (event) {
    case CommEventReceive:
        // In VeskMode the acquisition reads the port itself; after the link ended nothing is
        // captured. While a capture waits for the user to answer a message, it reads what
        // arrives meanwhile once it goes on.
        if (!port.IsOpen() || !ws.TarnMode || !ws.Connected || ws.Disconnected || state.capturing)
            return;
        Record_Capture(state, ws, win, services, port);
        if (state.TickCount >= LastTick)
            state.TickCount = 0;
        state.LastRxTick = state.TickCount;
        return;
    case CommEventBreak:
        Link_Lost(port, ws, win, services, capture, BreakReason);
        return;
    default:
        // An overrun: the bytes are lost in the port already; the capture goes on with what
        // arrives next.
        return;
    }
}

void Record_Capture(PushedTextState& state, Workspace& ws, WindowState& win, Services& services,
                    SerialPort& port) {
    const CapturingScope scope(state.capturing);

    // A chunk within the silence continues its transmission, as long as that still has a
    // place: its record may have been deleted, or the workspace reloaded, meanwhile.
    const bool continues = Gap(state) < TransmissionGapTicks &&
                           (state.refused || Locate_Capture_Record(ws, state.record));
    if (continues)
        state.RxBuffer.clear();
    else
        StartTransmission(state, ws, win, services);

    // Everything waiting, whatever read length an earlier reader of the port used.
    state.RxBuffer += state.cleaner.Take(port.Read(0));
    Keep(state, ws, win, state.RxBuffer, true);
}

} // namespace orvane
