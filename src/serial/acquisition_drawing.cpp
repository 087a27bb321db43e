// What the decoded bytes do: bit-image columns and printed characters on both pictures,
// line feeds, text for the text view and the record, and filing the finished picture.

#include "serial/screen_loop.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr std::uint8_t HighByteLimit = 128; // nH from here on is not part of the count
constexpr int DotsPerColumn = 8;

// Drawing positions stay 16-bit like the printer's own counters; a hostile stream that
// pushes them further simply draws outside the picture, where the surface clips.
std::int16_t Saturated(int value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

void DrawColumn(PictureSurface& surface, int x, int top, std::uint8_t dots) {
    for (int k = DotsPerColumn - 1; k >= 0; --k)
        surface.SetPixel(x, top + (DotsPerColumn - 1 - k), ((dots >> k) & 1) != 0);
}

} // namespace

void ScreenLoop::BeginImage(std::uint8_t high) {
    state_.ImageColumns = high >= HighByteLimit ? std::int16_t{imageLow_}
                                                : static_cast<std::int16_t>(imageLow_ + 256 * high);
    state_.GraphPending = 1;
    state_.ColumnIndex = 0;
    if (state_.ImageColumns == 0)
        EndEscape(high);
    else
        step_ = Step::ImageData;
}

std::size_t ScreenLoop::DrawColumns(std::string_view data) {
    const std::size_t count =
        std::min(data.size(), static_cast<std::size_t>(state_.ImageColumns - state_.ColumnIndex));
    const int top = DotsPerColumn * state_.BandRow;
    for (std::size_t i = 0; i < count; ++i) {
        state_.ColumnByte = static_cast<std::uint8_t>(data[i]);
        const int x = state_.BandColumn + state_.ColumnIndex;
        DrawColumn(out_.imgScreen, x, top, state_.ColumnByte);
        DrawColumn(out_.imgTemp, x, top, state_.ColumnByte);
        ++state_.ColumnIndex;
    }
    if (count > 0)
        unfiledDrawing_ = true;
    if (state_.ColumnIndex == state_.ImageColumns) {
        state_.BandColumn = Saturated(state_.BandColumn + state_.ImageColumns);
        EndEscape(state_.ColumnByte);
    }
    return count;
}

void ScreenLoop::LineFeed() {
    if (!state_.GraphicMode) {
        AppendCapturedText("\r\n");
        return;
    }
    // A line that ended with a bit-image row advances one band, a line of text two.
    state_.BandRow = Saturated(state_.BandRow + (state_.EscOnLine == 1 ? 1 : 2));
    state_.BandColumn = 0;
    out_.imgScreen.NewLine();
    out_.imgTemp.NewLine();
}

void ScreenLoop::Printable(std::uint8_t c) {
    const char character = static_cast<char>(c);
    if (state_.GraphicMode) {
        out_.imgScreen.Print({&character, 1});
        out_.imgTemp.Print({&character, 1});
        state_.GraphPending = 1;
        unfiledDrawing_ = true;
    } else {
        AppendCapturedText({&character, 1});
    }
    state_.EscOnLine = 0;
}

void ScreenLoop::AppendCapturedText(std::string_view text) {
    if (win_.Text1.visible) {
        // Whatever record was open for editing, this text is not part of it.
        ws_.RecordInEditor = false;
        win_.Text1.Append(text);
    }
    if (win_.Text2.visible)
        win_.Text2.Append(text);
    // The text belongs to the record even while the user looks at something else.
    if (Locate_Capture_Record(ws_, capture_) &&
        ws_.RecordType[capture_.report][capture_.record] == KindRecord) {
        ws_.RecordText[capture_.report][capture_.record] += text;
        ws_.Dirty = true;
    }
}

void ScreenLoop::FilePicture() {
    state_.GraphPending = 0;
    const EncodedImage image = out_.imgTemp.Image();
    out_.clipboard.Clear();
    out_.clipboard.SetImage(image);

    // Only a picture record has a document to hold the picture; a text record's file or
    // no record at all must not receive one.
    if (!Locate_Capture_Record(ws_, capture_) ||
        ws_.RecordType[capture_.report][capture_.record] != KindGraph)
        return;
    if (out_.filer.File(image, capture_.path)) {
        captureFiled_ = true;
        unfiledDrawing_ = false;
        savePoint_ = true;
    } else
        services_.dialogs.Message("Can't save the picture to " + capture_.path + "!");
}

} // namespace orvane
