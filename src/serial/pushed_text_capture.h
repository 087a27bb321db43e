#pragma once
// The capture of Tarn/TarnX targets, which push each screen as printer text at any moment.
// The stream is cut into transmissions by three seconds of silence, measured in half-second
// ticks; each transmission becomes one RECORD of the newest report.

#include "serial/acquisition_capture_slot.h"
#include "serial/link_capture.h"
#include "serial/pushed_text_cleaning.h"
#include "serial/serial_port.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <string>

namespace orvane {

// Event codes the port layer reports through MSComm1_OnComm.
inline constexpr int CommEventReceive = 2;
inline constexpr int CommEventBreak = 1001;
inline constexpr int CommEventOverrun = 1006;

// Ticks of silence that end a transmission (three seconds).
inline constexpr std::int16_t TransmissionGapTicks = 6;

struct PushedTextState {
    std::int16_t TickCount = 0;  // half-second ticks; cycles 0..5001, then on from 6
    std::int16_t LastRxTick = 0; // TickCount when the last chunk was handled
    std::string RxBuffer;        // the chunk being cleaned
    PushedTextCleaner cleaner;   // holds back a tail that may still become a set-up sequence

    CaptureSlot record;     // the record the current transmission goes into
    bool refused = false;   // the current transmission found its report full: shown only
    bool unsaved = false;   // a stored transmission has not ended yet
    bool capturing = false; // a capture is running (a message box may be up)
};

// Timer1, every 500 ms. When the silence reaches three seconds the transmission ends (its
// held-back tail goes into its record); true then, once, if it was stored: the moment to save
// the workspace.
bool Timer1_Timer(PushedTextState& state, Workspace& ws, WindowState& win);

// Ends the current transmission at once: the tail the cleaning held back goes into its record
// (and into Text1 while that shows the record), and the next chunk starts a new record.
void End_Transmission(PushedTextState& state, Workspace& ws, WindowState& win);

// The port's event: received characters (captured in TarnMode while the link is up), a break
// (the link is lost; `capture` is ended), an overrun (nothing can be done about it).
void MSComm1_OnComm(PushedTextState& state, Workspace& ws, WindowState& win, Services& services,
                    SerialPort& port, LinkCapture& capture, int event);

// One receive event: starts a record after a silence, reads everything waiting, cleans it
// and appends what is settled to the record's text and to Text1.
void Record_Capture(PushedTextState& state, Workspace& ws, WindowState& win, Services& services,
                    SerialPort& port);

} // namespace orvane
