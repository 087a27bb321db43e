// Record starts of the acquisition: 1B 20 0F (graph), 1B 20 04 (screen image), 1B 20 09
// (text screen), each with the window layout of its kind.

#include "serial/record_start.h"
#include "serial/screen_loop.h"
#include "workspace/report_commands.h"

namespace orvane {

namespace {

constexpr std::uint8_t GraphStart = 0x0F;
constexpr std::uint8_t ScreenImageStart = 0x04;
constexpr std::uint8_t TextStart = 0x09;

// The record's name is the stem of its file name.
std::string RecordName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace

void ScreenLoop::StartRecord(std::uint8_t kindCode) {
    if (kindCode == GraphStart)
        StartPictureRecord(ProgressKind::Graph);
    else if (kindCode == ScreenImageStart)
        StartPictureRecord(ProgressKind::Screen);
    else if (kindCode == TextStart)
        StartTextRecord();
}

void ScreenLoop::StartPictureRecord(ProgressKind kind) {
    Start_Progress(progress_, win_, kind);
    state_.GraphicMode = true;
    win_.Text1.visible = false;
    win_.Text2.visible = false;
    win_.imgScreenVisible = true;
    win_.scrGraphicVisible = true;

    if (!AddRecord(KindGraph))
        return;
    win_.scrGraphicValue = 0;
    state_.ClearPending = true;
    out_.imgScreen.Clear();
    out_.imgTemp.RemovePicture();
    out_.imgTemp.Clear();
    if (kind == ProgressKind::Screen)
        ShowReportInfo();
}

void ScreenLoop::StartTextRecord() {
    state_.GraphicMode = false;
    win_.imgScreenVisible = false;
    win_.scrGraphicVisible = false;
    win_.Text1.visible = true;

    if (!AddRecord(KindRecord))
        return;
    ShowReportInfo();
    // The text view now belongs to the capture: a record opened for editing earlier must
    // not receive what follows. The name line is shown, not stored.
    ws_.RecordInEditor = false;
    win_.Text1.Set(RecordName(capture_.path) + "\r\n");
}

bool ScreenLoop::AddRecord(std::int16_t kind) {
    Open_Newest_Report(ws_, win_, services_);
    const std::int16_t n = Add_Capture_Record(ws_, win_, services_, kind);
    if (n == 0) {
        // The report is full and the user has been told: acquisition ends until the next
        // Connect, the link stays up.
        Stop();
        return false;
    }
    capture_ = {ws_.ReportCount, n, ws_.RecordPath[ws_.ReportCount][n]};
    captureFiled_ = false;
    unfiledDrawing_ = false;
    savePoint_ = true;
    return true;
}

void ScreenLoop::ShowReportInfo() {
    // The new record's line is the last one; the header of its report is above it.
    Show_Report_Info(ws_, win_, ws_.ListCount - 1);
}

} // namespace orvane
