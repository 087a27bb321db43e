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
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (char byte : bytes) {
        hex += Digits[(std::uint8_t(byte) >> 4) & 0xF];
        hex += Digits[std::uint8_t(byte) & 0xF];
    }
    return hex;
}

// A document holding one picture group.
std::string Document(std::string_view controlWords, std::string_view body) {
    return "{\\rtf1\\ansi {\\pict" + std::string(controlWords) + "\r\n" + std::string(body) + "}}";
}

const std::string SampleHex = Hex(SamplePng().png);

// The number after the first control word `word` of `rtf`; -1 when there is none.
long ControlValue(const std::string& rtf, const std::string& word) {
    const std::size_t at = rtf.find("\\" + word);
    if (at == std::string::npos)
        return -1;
    return std::stol(rtf.substr(at + 1 + word.size()));
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
        SCOPED_TRACE(::testing::Message()
                     << row.width << " x " << row.height << " on " << row.paper.width);
        EncodedImage image = SamplePng();
        image.width = row.width;
        image.height = row.height;
        const std::string rtf = MakePictureDocument(image, row.paper);
        EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
        EXPECT_EQ(ControlValue(rtf, "paperw"), row.paper.width);
        EXPECT_EQ(ControlValue(rtf, "paperh"), row.paper.height);
        EXPECT_EQ(ControlValue(rtf, "picw"), row.width);
        EXPECT_EQ(ControlValue(rtf, "pich"), row.height);
        EXPECT_EQ(ControlValue(rtf, "picwgoal"), row.goalW);
        EXPECT_EQ(ControlValue(rtf, "pichgoal"), row.goalH);
        const std::optional<EncodedImage> back = ReadPictureDocument(rtf);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->png, image.png);
    }
    EXPECT_EQ(MakePictureDocument(SamplePng()), MakePictureDocument(SamplePng(), A4))
        << "A4 unless the locale says otherwise";
}

TEST(PictureDocument, ReadsBackThePngFromOwnAndWordProcessorDocuments) {
    std::string loose; // upper-case hex broken by line ends, blanks and TABs
    for (std::size_t i = 0; i < SampleHex.size(); ++i) {
        loose += static_cast<char>(std::toupper(static_cast<unsigned char>(SampleHex[i])));
        loose += i % 7 == 0 ? "\n" : i % 11 == 0 ? "\r\n \t" : "";
    }
    // A metafile picture first, then a PNG with a nested identifier group, as word processors
    // write them; \pictscaled is another control word, not a picture.
    const std::string nested = "{\\rtf1{\\*\\pictscaled}{\\pict\\wmetafile8 0102}"
                               "{\\pict\\picscalex100{\\*\\blipuid 0a0b}\\pngblip " +
                               SampleHex + "}}";
    const std::string documents[] = {MakePictureDocument(SamplePng()), Document("\\pngblip", loose),
                                     nested};
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

class PictureFileTest : public ::testing::Test {
  protected:
    std::string At(const std::string& name) const { return (dir.path() / name).string(); }

    testing::TempDir dir;
    DiskFileSystem files;
    std::string root = At("PLX");
};

TEST_F(PictureFileTest, WritesTheTargetOverAnEarlierFileAndAScratchCopy) {
    testing::WriteFile(At("graph.doc"), std::string(100000, 'x'));
    DocumentPictureFiler filer(files, root);
    EXPECT_TRUE(filer.File(SamplePng(), At("graph.doc")));

    EXPECT_EQ(ReadFile(At("graph.doc")), MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(root)), MakePictureDocument(SamplePng()))
        << "the data root was made for it";
    const auto back = Document_To_Picture(files, At("graph.doc"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->png, SamplePng().png);
}

TEST_F(PictureFileTest, ReportsAFailedWriteAndRefusesMissingAndForeignFiles) {
    EXPECT_FALSE(Picture_To_Document(files, root, SamplePng(), At("missing folder/graph.doc")));
    EXPECT_EQ(ReadFile(TempDocPath(root)), MakePictureDocument(SamplePng()))
        << "the scratch copy is still made";
    EXPECT_FALSE(Document_To_Picture(files, At("none.doc")));
    testing::WriteFile(At("text.doc"), "Company: \r\n");
    EXPECT_FALSE(Document_To_Picture(files, At("text.doc")));
}

} // namespace
} // namespace orvane
