// Graphs filed as word-processor documents: shown by any word processor at a size that fits
// the page, read back only when the PNG inside is intact.

#include "output/picture_document.h"
#include "support/output_fakes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::SamplePng;

std::string Hex(std::string_view bytes) {
    std::string hex;
    for (const char byte : bytes)
        for (const int shift : {4, 0})
            hex += "0123456789abcdef"[(std::uint8_t(byte) >> shift) & 0xF];
    return hex;
}
const std::string SampleHex = Hex(SamplePng().png);

// A document holding one picture group.
std::string Document(std::string_view controlWords, std::string_view body) {
    return "{\\rtf1\\ansi {\\pict" + std::string(controlWords) + "\r\n" + std::string(body) + "}}";
}

// A picture goes on the page it is given, at its own size, or scaled down through the goal
// size to the printable area (half-inch margins); A4 unless the locale says otherwise.
TEST(PictureDocument, PutsThePictureOnTheGivenPageScaledOnlyToFitItsPrintableArea) {
    constexpr PaperSize A4{11906, 16838}, Letter{12240, 15840};
    const std::tuple<PaperSize, int, int, const char*> rows[] = {
        {A4, 4, 3, "\\picw4\\pich3\\picwgoal60\\pichgoal45\r\n"},
        {Letter, 537, 1000, "\\picw537\\pich1000\\picwgoal7733\\pichgoal14400\r\n"},
        {A4, 537, 1000, "\\picw537\\pich1000\\picwgoal8055\\pichgoal15000\r\n"},
        {A4, 2000, 100, "\\picw2000\\pich100\\picwgoal10466\\pichgoal523\r\n"}};
    for (const auto& [paper, width, height, words] : rows)
        EXPECT_NE(MakePictureDocument({SamplePng().png, width, height}, paper).find(words),
                  std::string::npos)
            << words;
    const std::string a4 = MakePictureDocument(SamplePng());
    EXPECT_TRUE(a4.starts_with("{\\rtf1\\ansi\\ansicpg1252") &&
                a4.find("\\paperw11906\\paperh16838\\margl720\\margr720\\margt720\\margb720\r\n") !=
                    std::string::npos);
    // The hex in lines of 128 digits, as word processors write it.
    std::string lines;
    for (std::size_t at = 0; at < SampleHex.size(); at += 128)
        lines += SampleHex.substr(at, 128) + "\r\n";
    EXPECT_TRUE(a4.ends_with("45\r\n" + lines + "}\\par\r\n}\r\n"));
}

TEST(PictureDocument, ReadsBackThePngFromOwnAndWordProcessorDocuments) {
    std::string loose; // upper-case hex broken by line ends, blanks and TABs
    for (std::size_t i = 0; i < SampleHex.size(); ++i) {
        loose += static_cast<char>(std::toupper(static_cast<unsigned char>(SampleHex[i])));
        loose += i % 7 == 0 ? "\n" : i % 11 == 0 ? "\r\n \t" : "";
    }
    // A metafile picture first, then a PNG with a nested identifier group, as word processors
    // write them; \pictscaled is another control word, not a picture; a control word of any
    // letters is skipped whole.
    const std::string nested = "{\\rtf1{\\*\\pictscaled}{\\pict\\wmetafile8 0102}"
                               "{\\pict\\picscalex100{\\*\\blipuid 0a0b}\\pngblip " +
                               SampleHex + "}}";
    const std::string anyWord =
        "\\pngblip\\ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-1234567890 ";
    const std::string documents[] = {MakePictureDocument(SamplePng()), Document("\\pngblip", loose),
                                     Document(anyWord, SampleHex), nested};
    for (const std::string& rtf : documents) {
        const std::optional<EncodedImage> read = ReadPictureDocument(rtf);
        ASSERT_TRUE(read) << rtf.substr(0, 80);
        EXPECT_EQ(std::tie(read->png, read->width, read->height),
                  std::tuple(SamplePng().png, 4, 3));
    }
}

TEST(PictureDocument, RefusesWhatIsNoIntactPicture) {
    std::string flipped = SampleHex;
    flipped[90] = flipped[90] == '0' ? '1' : '0'; // inside the IDAT data: checksum fails
    std::string noHeader = SamplePng().png, hugeLength = noHeader;
    noHeader.replace(12, 4, "IHDX");
    hugeLength.replace(33, 4, "\xff\xff\xff\xf0"); // the IDAT length
    const std::pair<std::string, const char*> refused[] = {
        {"", "empty"},
        {"plain text, no document", "no document"},
        {"{\\rtf1\\ansi no picture at all}", "no picture"},
        {Document("\\jpegblip", SampleHex), "not a PNG"},
        {Document("\\pngblip", flipped), "checksum"},
        {Document("\\pngblip", SampleHex + "0"), "odd number of hex digits"},
        {Document("\\pngblip", SampleHex + "zz"), "garbage among the hex digits"},
        {Document("\\pngblip\\bin72 ", ""), "raw binary"},
        {Document("\\pngblip", SampleHex.substr(0, SampleHex.size() - 24)), "IEND cut off"},
        {Document("\\pngblip", Hex("\x89PNG")), "signature alone"},
        {Document("\\pngblip", Hex(noHeader)), "no IHDR first"},
        {Document("\\pngblip", Hex(hugeLength)), "chunk longer than the PNG"}};
    for (const auto& [rtf, what] : refused)
        EXPECT_FALSE(ReadPictureDocument(rtf)) << what;
    // Cut anywhere before the picture's end: refused, never read past its end.
    const std::string good = MakePictureDocument(SamplePng());
    for (std::size_t length = 0; length <= good.find("}\\par"); ++length)
        EXPECT_FALSE(ReadPictureDocument(std::string_view(good).substr(0, length))) << length;
}

TEST(PictureDocument, ReadsAHostileDocumentInOnePass) {
    // Picture words inside one picture group, each followed by the rest of it: read again
    // from every one of them, this would take hours.
    std::string many = "{\\rtf1{\\pict";
    for (int i = 0; i < 200000; ++i)
        many += "\\pict 00";
    for (const char* end : {"}}", "zz}}", ""})
        EXPECT_FALSE(ReadPictureDocument(many + end)) << end;
    const auto read = ReadPictureDocument(many + "}{\\pict\\pngblip " + SampleHex + "}");
    ASSERT_TRUE(read) << "a picture after the odd group is still found";
    EXPECT_EQ(read->png, SamplePng().png);
}

} // namespace
} // namespace orvane
