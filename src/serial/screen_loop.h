#pragma once
// The acquisition of Vesk/VeskM and Oru/Oru-c test sets: a decoder of the printer byte
// stream they send. The port's ready-read signal pushes whatever arrived into Feed; the
// decoder keeps its place between calls (even inside an escape sequence or a bit-image
// block), so nothing ever waits for a byte.
//
// Vocabulary (hex): 1B 4B nL nH + n columns of 8 dots (bit image), 1B 20 0F / 04 / 09
// (start of a graph, a screen image, a text screen), 1B 52 (end of the picture: file it),
// 0A (line feed), 20..7A (printable); everything else is dropped. The last byte of an
// escape sequence is also taken as a line feed or a printable byte.

#include "serial/acquisition_capture_slot.h"
#include "serial/acquisition_picture_filer.h"
#include "serial/picture_surface.h"
#include "serial/progress_display.h"
#include "workspace/clipboard.h"
#include "workspace/services.h"
#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

// The decoder's drawing state, kept between runs of the loop.
struct AcquisitionState {
    bool GraphicMode = false;      // printable bytes are drawn (picture record) or typed (text)
    std::int16_t GraphPending = 0; // 1: the picture holds something not filed yet
    bool ClearPending = false;     // clear the pictures at the top of the next turn
    std::int16_t EscOnLine = 0;    // 1: an escape sequence came after the last printable byte
    std::int16_t BandRow = -1;     // band of 8 pixel rows being drawn
    std::int16_t BandColumn = 0;   // pixel column where the next bit-image block starts
    std::int16_t ImageColumns = 0; // column count of the current bit-image block
    std::int32_t ColumnIndex = 0;  // column of the current block being drawn
    std::uint8_t ColumnByte = 0;   // dots of that column, most significant bit on top
};

// What the loop draws on and files into besides the workspace and the window.
struct AcquisitionOutputs {
    PictureSurface& imgScreen; // the visible graph view
    PictureSurface& imgTemp;   // its hidden twin, the source of filing
    Clipboard& clipboard;
    PictureFiler& filer;
};

class ScreenLoop {
  public:
    ScreenLoop(Workspace& ws, WindowState& win, Services& services, ProgressDisplay& progress,
               AcquisitionOutputs outputs);

    // Begins a run after Connect: restarts the drawing position and forgets the record of the
    // previous run. Bytes that arrived while Connect was loading the workspace are fed next.
    void Start();

    // The link ends (Disconnect, a lost link, exit) or the workspace is reloaded: the run
    // stops at once, and a picture record that was never filed, or was drawn on since, is
    // filed with what arrived of it, so that its document exists and holds it.
    void End();

    // Decodes the bytes that arrived. Does nothing unless running; the run ends when the
    // link is dropped (Disconnected), the target is no longer a printer-stream one
    // (VeskMode false), or a record is refused because the report is full.
    void Feed(std::string_view bytes);

    bool Running() const { return step_ != Step::Stopped; }

    // The file of the record the run still writes into (a text screen, or a picture not filed
    // yet); empty when there is none.
    std::string LiveRecordPath() const;
    const AcquisitionState& State() const { return state_; }

    // Called at the end of a Feed in which a record started or a picture was filed, so the
    // window can write the workspace to disk at once.
    void OnSavePoint(std::function<void()> handler) { onSavePoint_ = std::move(handler); }

  private:
    // Where the decoder stands in the byte stream.
    enum class Step : std::uint8_t {
        Stopped,
        TurnStart,   // the next byte begins a turn
        EscapeCode,  // after 1B
        EscapeSpace, // after 1B 20
        ImageLow,    // after 1B 4B: nL next
        ImageHigh,   // nH next
        ImageData,   // column bytes of the block
    };

    void Process(std::string_view bytes);
    void TakeByte(std::uint8_t c);
    void Stop();

    // A turn: its top, the end of an escape sequence, and the byte's own meaning.
    void BeginTurn();
    void EndEscape(std::uint8_t c);
    void FinishTurn(std::uint8_t c);

    // Record starts.
    void StartRecord(std::uint8_t kindCode);
    void StartPictureRecord(ProgressKind kind);
    void StartTextRecord();
    bool AddRecord(std::int16_t kind);
    void ShowReportInfo();

    // Drawing, text and filing.
    void BeginImage(std::uint8_t high);
    std::size_t DrawColumns(std::string_view data);
    void LineFeed();
    void Printable(std::uint8_t c);
    void AppendCapturedText(std::string_view text);
    void FilePicture();

    Workspace& ws_;
    WindowState& win_;
    Services& services_;
    ProgressDisplay& progress_;
    AcquisitionOutputs out_;

    AcquisitionState state_;
    Step step_ = Step::Stopped;
    std::uint8_t imageLow_ = 0;
    CaptureSlot capture_;         // the record started last in this run
    bool captureFiled_ = false;   // its picture has reached its document
    bool unfiledDrawing_ = false; // dots or characters drawn since the picture was filed

    // A message box shown while decoding runs a nested event loop, in which the port may
    // deliver more bytes: they wait here and follow in order.
    bool feeding_ = false;
    std::string backlog_;
    bool savePoint_ = false;
    std::function<void()> onSavePoint_;
};

} // namespace orvane
