#include "testset/samples.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace testset {
namespace {

constexpr char Esc = '\x1B';
const std::string PrinterSetUp = std::string{Esc, 'R', '\x01', Esc, '2', '\x0F'};
const std::string PrinterSetUpShort = std::string{Esc, 'r', '\x01', Esc, '2'};
const std::string TextRecordStart = std::string{Esc, ' ', '\x09'};
const std::string GraphStart = std::string{Esc, ' ', '\x0F'};
const std::string ScreenImageStart = std::string{Esc, ' ', '\x04'};
const std::string PictureEnd = std::string{Esc, 'R'};

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// One ESC K block of columns [first, last) of a picture band; a column byte holds 8 dots,
// the most significant bit at the top.
using DotTest = std::function<bool(int x, int y)>;
std::string BitImageBlock(int band, int first, int last, const DotTest& black) {
    const int columns = last - first;
    std::string block{Esc, 'K', static_cast<char>(columns & 0xFF), static_cast<char>(columns >> 8)};
    for (int x = first; x < last; ++x) {
        unsigned column = 0;
        for (int dot = 0; dot < 8; ++dot) {
            if (black(x, band * 8 + dot))
                column |= 0x80u >> dot;
        }
        block += static_cast<char>(column);
    }
    return block;
}

} // namespace

std::vector<std::string> TarnScreens() {
    return {
        PrinterSetUp + Lines({
                           "TARN 2M          RESULTS          12/05/26 03:56",
                           "-----------------------------------------------",
                           "TEST        : G.821   UNFRAMED   2048 kbit/s",
                           "PATTERN     : 2^15-1 PRBS",
                           "ELAPSED     : 00:15:00",
                           "BIT ERRORS  : 0",
                           "BER         : 0.0E-09",
                           "ES          : 0        (0.000 %)",
                           "SES         : 0        (0.000 %)",
                           "UAS         : 0",
                           "RESULT      : PASS",
                       }),
        PrinterSetUp + Lines({
                           "TARN 2M          SIGNAL           12/05/26 04:02",
                           "-----------------------------------------------",
                           "LEVEL RX    : -6.2 dB",
                           "FREQUENCY   : 2048.012 kHz  (+6 ppm)",
                           "JITTER      : 0.08 UIpp",
                           "ROUND TRIP  : 125 \xB5s",
                           "CODE        : HDB3",
                       }),
        PrinterSetUpShort + Lines({
                                "TARN 2M          ALARMS           12/05/26 04:07",
                                "-----------------------------------------------",
                                "LOS         : 0 s",
                                "AIS         : 0 s",
                                "LOF         : 2 s     04:05:11",
                                "RAI         : 0 s",
                            }),
    };
}

std::vector<std::string> VeskPrintouts() {
    return {VeskTextRecord(), VeskGraph(), VeskScreenImage()};
}

std::string VeskTextRecord() {
    return TextRecordStart + Lines({
                                 "VESK M   TEST REPORT",
                                 "LINE        : 2 WIRE  COPPER",
                                 "LOOP LENGTH : 1.84 km",
                                 "INSULATION  : A-B  >100 MOhm",
                                 "LOOP RES.   : 312 Ohm",
                                 "NOISE       : -74 dBm",
                                 "RESULT      : PASS",
                             });
}

std::string VeskGraph() {
    // A measured attenuation curve over frequency: 400 x 80 dots, axes with tick marks and a
    // dotted grid. Each row is a block for the axis margin and a block for the plot, whose
    // last column is blank so no data byte reads as a printable or control byte.
    constexpr int Width = 400, Bands = 10, Height = Bands * 8, Margin = 8, Axis = Margin - 1;
    const auto curve = [](int x) {
        const double level = 0.12 + 0.78 / (1.0 + std::pow(x / 90.0, 2)) + 0.02 * std::sin(x / 9.0);
        return static_cast<int>(std::lround((1.0 - level) * (Height - 6))) + 2;
    };
    const DotTest black = [&](int x, int y) {
        if (x == Axis || y == Height - 1)
            return x >= Axis && x < Width - 1;
        if (x < Axis)
            return x >= Axis - 3 && y % 16 == 0; // tick marks on the level axis
        if (x == Width - 1)
            return false;
        if (y > Height - 4 && (x - Margin) % 48 == 0)
            return true; // tick marks on the frequency axis
        const int previous = curve(std::max(x - 1, Margin)), here = curve(x);
        if (y >= std::min(previous, here) && y <= std::max(previous, here))
            return true;
        return y % 16 == 0 && x % 4 == 0; // grid
    };
    std::string graph = GraphStart + Lines({"ATTENUATION  dB", "0"});
    for (int band = 0; band < Bands; ++band) {
        graph += BitImageBlock(band, 0, Margin, black);
        graph += BitImageBlock(band, Margin, Width, black);
        graph += '\n';
    }
    graph += Lines({"40", "  0 kHz      200 kHz     400 kHz     600 kHz     800 kHz   FREQ"});
    return graph + PictureEnd;
}

std::string VeskScreenImage() {
    // The set's 128 x 64 display: a frame, a title bar and eight level bars.
    constexpr int Width = 128, Bands = 8, Height = Bands * 8;
    static constexpr int bars[] = {52, 44, 30, 38, 20, 26, 12, 34};
    const DotTest black = [](int x, int y) {
        if (x == 0 || x == Width - 1 || y == 0 || y == Height - 1)
            return true;
        if (y < 10)
            return x > 2 && x < Width - 3 && y > 2 && y < 8 && (x / 4) % 3 != 0; // title
        const int bar = (x - 6) / 15, inBar = (x - 6) % 15;
        return x >= 6 && bar < 8 && inBar < 10 && y >= Height - 4 - bars[bar] && y < Height - 4;
    };
    std::string image = ScreenImageStart;
    for (int band = 0; band < Bands; ++band)
        image += BitImageBlock(band, 0, Width, black) + '\n';
    return image + PictureEnd;
}

} // namespace testset
