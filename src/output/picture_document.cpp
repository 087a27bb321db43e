#include "output/picture_document.h"

#include "output/export_file_name.h"
#include "workspace/data_paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace orvane {
namespace {

constexpr std::string_view PngSignature{"\x89PNG\r\n\x1a\n", 8};
constexpr std::size_t HexDigitsPerLine = 128;
constexpr int Margin = 720; // half an inch on every side

std::uint32_t ReadBigEndian32(std::string_view bytes, std::size_t at) {
    return (std::uint32_t(std::uint8_t(bytes[at])) << 24) |
           (std::uint32_t(std::uint8_t(bytes[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(bytes[at + 2])) << 8) |
           std::uint32_t(std::uint8_t(bytes[at + 3]));
}

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes)
        crc = table[(crc ^ std::uint8_t(byte)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a nested group starting at rtf[at] == '{'; returns the position after its closing
// brace, or npos when the text ends first.
std::size_t SkipGroup(std::string_view rtf, std::size_t at) {
    int depth = 0;
    for (std::size_t i = at; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i; // an escaped brace or backslash does not count
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

struct PictGroup {
    bool png = false;
    bool complete = false; // up to its closing brace, with nothing but valid content
    bool cutOff = false;   // the text ended inside the group
    std::string bytes;
    std::size_t end = 0; // where reading stopped
};

// Reads the body of a \pict group from `at` (just after the \pict control word) up to its
// closing brace. It is complete when it holds nothing but control words, nested groups,
// white space and an even number of hex digits.
PictGroup ParsePictGroup(std::string_view rtf, std::size_t at) {
    PictGroup pict;
    int pendingNibble = -1;
    std::size_t i = at;
    const auto stop = [&](bool complete) -> PictGroup {
        pict.complete = complete;
        pict.end = i;
        return std::move(pict);
    };
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '}')
            return stop(pendingNibble < 0);
        if (c == '{') {
            i = SkipGroup(rtf, i);
            if (i == std::string_view::npos)
                break;
            continue;
        }
        if (c == '\\') {
            if (++i >= rtf.size())
                break;
            if (!IsLetter(rtf[i])) {
                ++i; // a control symbol
                continue;
            }
            const std::size_t wordStart = i;
            while (i < rtf.size() && IsLetter(rtf[i]))
                ++i;
            const std::string_view word = rtf.substr(wordStart, i - wordStart);
            if (i < rtf.size() && rtf[i] == '-')
                ++i;
            while (i < rtf.size() && IsDigit(rtf[i]))
                ++i;
            if (i < rtf.size() && rtf[i] == ' ')
                ++i;
            if (word == "pngblip")
                pict.png = true;
            else if (word == "bin")
                return stop(false); // raw binary data: no writer we read from uses it
            continue;
        }
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
            ++i;
            continue;
        }
        const int value = HexValue(c);
        if (value < 0)
            return stop(false);
        if (pendingNibble < 0) {
            pendingNibble = value;
        } else {
            pict.bytes += static_cast<char>((pendingNibble << 4) | value);
            pendingNibble = -1;
        }
        ++i;
    }
    pict.cutOff = true;
    pict.end = rtf.size();
    return pict;
}

} // namespace

bool IsIntactPng(std::string_view png, int& width, int& height) {
    if (png.substr(0, PngSignature.size()) != PngSignature)
        return false;
    std::size_t at = PngSignature.size();
    bool first = true;
    while (png.size() - at >= 12) {
        const std::uint32_t length = ReadBigEndian32(png, at);
        if (length > 0x7FFFFFFFu || png.size() - at - 12 < length)
            return false;
        const std::string_view type = png.substr(at + 4, 4);
        const std::string_view typeAndData = png.substr(at + 4, 4 + length);
        if (Crc32(typeAndData) != ReadBigEndian32(png, at + 8 + length))
            return false;
        if (first) {
            if (type != "IHDR" || length != 13)
                return false;
            const std::uint32_t w = ReadBigEndian32(png, at + 8);
            const std::uint32_t h = ReadBigEndian32(png, at + 12);
            if (w == 0 || h == 0 || w > 0x7FFFFFFFu || h > 0x7FFFFFFFu)
                return false;
            width = static_cast<int>(w);
            height = static_cast<int>(h);
            first = false;
        }
        if (type == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

std::string MakePictureDocument(const EncodedImage& image, PaperSize paper) {
    static constexpr char Hex[] = "0123456789abcdef";
    // The word processor scales the picture to the goal size; its pixels stay untouched.
    const double ownWidth = double(image.width) * TwipsPerPixel;
    const double ownHeight = double(image.height) * TwipsPerPixel;
    const double scale =
        std::min({1.0, std::max(paper.width - 2 * Margin, 1) / std::max(ownWidth, 1.0),
                  std::max(paper.height - 2 * Margin, 1) / std::max(ownHeight, 1.0)});
    const long long widthTwips = std::llround(ownWidth * scale);
    const long long heightTwips = std::llround(ownHeight * scale);

    std::string rtf;
    rtf.reserve(image.png.size() * 2 + image.png.size() / HexDigitsPerLine * 2 + 512);
    rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\r\n";
    rtf += "\\paperw" + std::to_string(paper.width) + "\\paperh" + std::to_string(paper.height);
    rtf += "\\margl720\\margr720\\margt720\\margb720\r\n";
    rtf += "\\pard\\plain{\\pict\\pngblip\\picw" + std::to_string(image.width) + "\\pich" +
           std::to_string(image.height) + "\\picwgoal" + std::to_string(widthTwips) + "\\pichgoal" +
           std::to_string(heightTwips) + "\r\n";
    std::size_t digits = 0;
    for (char byte : image.png) {
        rtf += Hex[(std::uint8_t(byte) >> 4) & 0xF];
        rtf += Hex[std::uint8_t(byte) & 0xF];
        digits += 2;
        if (digits % HexDigitsPerLine == 0)
            rtf += "\r\n";
    }
    if (digits % HexDigitsPerLine != 0)
        rtf += "\r\n";
    rtf += "}\\par\r\n}\r\n";
    return rtf;
}

std::optional<EncodedImage> ReadPictureDocument(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf")
        return std::nullopt;
    constexpr std::string_view Pict = "\\pict";
    // The search goes on after the group just read, so every byte is read about once.
    for (std::size_t at = rtf.find(Pict); at != std::string_view::npos;) {
        const std::size_t body = at + Pict.size();
        if (body < rtf.size() && IsLetter(rtf[body])) { // a longer word such as \pictscaled
            at = rtf.find(Pict, body);
            continue;
        }
        PictGroup pict = ParsePictGroup(rtf, body);
        if (pict.cutOff)
            return std::nullopt;
        EncodedImage image;
        if (pict.complete && pict.png && IsIntactPng(pict.bytes, image.width, image.height)) {
            image.png = std::move(pict.bytes);
            return image;
        }
        at = rtf.find(Pict, std::max(pict.end, body));
    }
    return std::nullopt;
}

bool Picture_To_Document(FileSystem& files, std::string_view dataRoot, const EncodedImage& image,
                         const std::string& target, FileLocks* locks, PaperSize paper) {
    const std::string document = MakePictureDocument(image, paper);
    const bool written = files.Write(target, document);
    if (EnsureDataRoot(files, dataRoot)) {
        // The scratch copy is left alone while another copy of the program writes or removes it.
        const std::string scratch = TempDocPath(dataRoot);
        if (const ScopedLock lock(locks, scratch); lock.held())
            files.Write(scratch, document);
    }
    return written;
}

std::optional<EncodedImage> Document_To_Picture(FileSystem& files, const std::string& path) {
    const std::optional<std::string> document = files.Read(path);
    if (!document)
        return std::nullopt;
    return ReadPictureDocument(*document);
}

} // namespace orvane
