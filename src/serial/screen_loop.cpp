#include "serial/screen_loop.h"

namespace orvane {

namespace {

constexpr std::uint8_t Esc = 0x1B;
constexpr std::uint8_t BitImage = 0x4B; // "K"
constexpr std::uint8_t RecordStartCode = 0x20;
constexpr std::uint8_t EndPicture = 0x52; // "R"
constexpr std::uint8_t LineFeedCode = 0x0A;
constexpr std::uint8_t FirstPrintable = 0x20;
constexpr std::uint8_t LastPrintable = 0x7A;

} // namespace

ScreenLoop::ScreenLoop(Workspace& ws, WindowState& win, Services& services,
                       ProgressDisplay& progress, AcquisitionOutputs outputs)
    : ws_(ws), win_(win), services_(services), progress_(progress), out_(outputs) {}

void ScreenLoop::Start() {
    state_.BandRow = 0;
    state_.BandColumn = 0;
    state_.GraphPending = 0;
    capture_ = {};
    backlog_.clear();
    step_ = Step::TurnStart;
}

std::string ScreenLoop::LiveRecordPath() const {
    return Running() && capture_.record != 0 && !captureFiled_ ? capture_.path : std::string{};
}

void ScreenLoop::Stop() {
    step_ = Step::Stopped;
    backlog_.clear();
}

void ScreenLoop::End() {
    Stop();
    if (!Locate_Capture_Record(ws_, capture_) ||
        ws_.RecordType[capture_.report][capture_.record] != KindGraph)
        return;
    if (!captureFiled_ || unfiledDrawing_)
        FilePicture();
}

void ScreenLoop::Feed(std::string_view bytes) {
    if (feeding_) {
        if (Running())
            backlog_.append(bytes);
        return;
    }
    struct FeedingScope {
        bool& flag;
        explicit FeedingScope(bool& f) : flag(f) { flag = true; }
        ~FeedingScope() { flag = false; }
    } scope(feeding_);

    savePoint_ = false;
    Process(bytes);
    while (!backlog_.empty()) {
        const std::string more = std::move(backlog_);
        backlog_.clear();
        Process(more);
    }
    if (savePoint_ && onSavePoint_)
        onSavePoint_();
}

void ScreenLoop::Process(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() && Running()) {
        // Disconnect and a change of target take effect between any two bytes.
        if (ws_.Disconnected || !ws_.VeskMode) {
            Stop();
            return;
        }
        if (step_ == Step::ImageData)
            i += DrawColumns(bytes.substr(i));
        else
            TakeByte(static_cast<std::uint8_t>(bytes[i++]));
    }
}

void ScreenLoop::TakeByte(std::uint8_t c) {
    switch (step_) {
    case Step::TurnStart:
        BeginTurn();
        if (c == Esc) {
            state_.EscOnLine = 1;
            step_ = Step::EscapeCode;
        } else {
            FinishTurn(c);
        }
        break;
    case Step::EscapeCode:
        if (c == BitImage)
            step_ = Step::ImageLow;
        else if (c == RecordStartCode)
            step_ = Step::EscapeSpace;
        else
            EndEscape(c);
        break;
    case Step::EscapeSpace:
        StartRecord(c);
        if (Running())
            EndEscape(c);
        break;
    case Step::ImageLow:
        imageLow_ = c;
        step_ = Step::ImageHigh;
        break;
    case Step::ImageHigh:
        BeginImage(c);
        break;
    case Step::ImageData: // consumed in runs by DrawColumns
    case Step::Stopped:
        break;
    }
}

void ScreenLoop::BeginTurn() {
    Stop_Fired_Progress_Timers(progress_);
    if (!state_.ClearPending)
        return;
    state_.ClearPending = false;
    out_.imgScreen.Clear();
    out_.imgTemp.Clear();
    out_.clipboard.Clear();
    state_.BandRow = 0;
    state_.BandColumn = 0;
    state_.GraphPending = 0;
    state_.EscOnLine = 0;
}

void ScreenLoop::EndEscape(std::uint8_t c) {
    const bool filing = c == EndPicture && state_.GraphPending == 1;
    if (filing)
        FilePicture();
    const bool unfiledBefore = unfiledDrawing_;
    FinishTurn(c);
    // The "R" of the end code is drawn after the filing: it is no part of the picture sent.
    if (filing)
        unfiledDrawing_ = unfiledBefore;
}

void ScreenLoop::FinishTurn(std::uint8_t c) {
    if (c == LineFeedCode)
        LineFeed();
    else if (c >= FirstPrintable && c <= LastPrintable)
        Printable(c);
    step_ = Step::TurnStart;
}

} // namespace orvane
