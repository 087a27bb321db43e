// Graphs filed as word-processor documents: shown by any word processor at a size that fits
// the page, read back only when the PNG inside is intact.

#include "output/document_picture_filer.h"
#include "output/picture_document.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ReadFile;
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

// The numbers after the first of each control word in `rtf`; -1 for a word it lacks.
std::vector<long> ControlValues(const std::string& rtf, const std::vector<std::string>& words) {
    std::vector<long> values;
    for (const std::string& word : words) {
        const std::size_t at = rtf.find("\\" + word);
        values.push_back(at == std::string::npos ? -1
                                                 : std::stol(rtf.substr(at + 1 + word.size())));
    }
    return values;
}

// A picture goes on the page it is given, at its own size, or scaled down through the goal
// size to the printable area (half-inch margins); the PNG stays byte for byte.
TEST(PictureDocument, PutsThePictureOnTheGivenPageScaledOnlyToFitItsPrintableArea) {
    constexpr PaperSize A4{11906, 16838}, Letter{12240, 15840};
    const struct {
        PaperSize paper;
        int width, height; // pixels
        long goalW, goalH; // twips
    } rows[] = {
        {A4, 4, 3, 60, 45},
        {Letter, 537, 1000, 7733, 14400}, // a screen image: 15000 twips tall, fit to 10 in
        {A4, 537, 1000, 8055, 15000},
        {A4, 2000, 100, 10466, 523}, // wider than the page: fit to 7.27 in
    };
    for (const auto& row : rows) {
        const std::string rtf =
            MakePictureDocument({SamplePng().png, row.width, row.height}, row.paper);
        EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
        EXPECT_EQ(ControlValues(rtf, {"paperw", "paperh", "picw", "pich", "picwgoal", "pichgoal"}),
                  (std::vector<long>{row.paper.width, row.paper.height, row.width, row.height,
                                     row.goalW, row.goalH}))
            << row.width << " x " << row.height << " on " << row.paper.width;
    }
    EXPECT_EQ(MakePictureDocument(SamplePng()), MakePictureDocument(SamplePng(), A4))
        << "A4 unless the locale says otherwise";
}

// Word processors write the hex in lines of 128 digits; so does this, for any length and byte.
TEST(PictureDocument, WritesEveryByteAsHexInLinesOf128Digits) {
    std::string bytes;
    for (int n = 0; n <= 300; ++n) {
        std::string lines;
        for (std::size_t at = 0; at < 2 * bytes.size(); at += 128)
            lines += Hex(bytes).substr(at, 128) + "\r\n";
        EXPECT_TRUE(
            MakePictureDocument({bytes, 4, 3}).ends_with("45\r\n" + lines + "}\\par\r\n}\r\n"))
            << n << " bytes";
        bytes += static_cast<char>(n * 7);
    }
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
    const std::string documents[] = {
        MakePictureDocument(SamplePng()), Document("\\pngblip", loose),
        Document("\\pngblip\\ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-1234567890 ", SampleHex),
        "{\\rtf1{\\*\\pictscaled}{\\pict\\wmetafile8 0102}{\\pict\\picscalex100{\\*\\blipuid "
        "0a0b}\\pngblip " +
            SampleHex + "}}"};
    for (const std::string& rtf : documents) {
        const std::optional<EncodedImage> read = ReadPictureDocument(rtf);
        ASSERT_TRUE(read) << rtf.substr(0, 80);
        EXPECT_EQ(read->png, SamplePng().png);
        EXPECT_EQ(read->width, 4);
        EXPECT_EQ(read->height, 3);
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
        {Document("\\pngblip", Hex(hugeLength)), "chunk longer than the PNG"},
    };
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
    EXPECT_FALSE(ReadPictureDocument(many + "}}"));
    EXPECT_FALSE(ReadPictureDocument(many + "zz}}"));
    EXPECT_FALSE(ReadPictureDocument(many));
    const auto read = ReadPictureDocument(many + "}{\\pict\\pngblip " + SampleHex + "}");
    ASSERT_TRUE(read) << "a picture after the odd group is still found";
    EXPECT_EQ(read->png, SamplePng().png);
}

// The record's file is written over an earlier one, with a scratch copy in the data root; a
// failed write is told, and a missing or foreign file gives no picture.
TEST(PictureDocument, FilesTheDocumentWithAScratchCopyAndReadsItBack) {
    testing::TempDir dir;
    DiskFileSystem files;
    const auto at = [&](const std::string& name) { return (dir.path() / name).string(); };
    testing::WriteFile(at("graph.doc"), std::string(100000, 'x'));
    EXPECT_TRUE(DocumentPictureFiler(files, at("PLX")).File(SamplePng(), at("graph.doc")));
    EXPECT_EQ(ReadFile(at("graph.doc")), MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(at("PLX"))), MakePictureDocument(SamplePng()));
    EXPECT_EQ(Document_To_Picture(files, at("graph.doc")).value().png, SamplePng().png);

    std::filesystem::remove_all(at("PLX"));
    EXPECT_FALSE(Picture_To_Document(files, at("PLX"), SamplePng(), at("missing/graph.doc")));
    EXPECT_EQ(ReadFile(TempDocPath(at("PLX"))), MakePictureDocument(SamplePng()))
        << "the scratch copy is still made";
    testing::WriteFile(at("text.doc"), "Company: \r\n");
    EXPECT_FALSE(Document_To_Picture(files, at("none.doc")));
    EXPECT_FALSE(Document_To_Picture(files, at("text.doc")));
}

} // namespace
} // namespace orvane
