#include "output/document_picture_filer.h"
#include "output/picture_document.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "workspace/data_paths.h"
#include "workspace/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

using testing::ReadFile;
using testing::SamplePng;
using testing::TempDir;
using testing::WriteFile;

std::string Hex(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (char byte : bytes) {
        hex += Digits[(std::uint8_t(byte) >> 4) & 0xF];
        hex += Digits[std::uint8_t(byte) & 0xF];
    }
    return hex;
}

std::string PictGroup(std::string_view controlWords, std::string_view body) {
    return "{\\pict" + std::string(controlWords) + "\r\n" + std::string(body) + "}";
}

std::string Document(std::string_view inner) {
    return "{\\rtf1\\ansi " + std::string(inner) + "}";
}

TEST(PictureDocument, DeclaresThePngWithItsSizeInPixelsAndTwips) {
    const std::string rtf = MakePictureDocument(SamplePng());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("{\\pict\\pngblip\\picw4\\pich3\\picwgoal60\\pichgoal45\r\n"),
              std::string::npos);
    EXPECT_NE(rtf.find(Hex(SamplePng().png).substr(0, 64)), std::string::npos);
}

TEST(PictureDocument, GrowsThePaperForATallPicture) {
    EncodedImage tall = SamplePng();
    tall.width = 537;
    tall.height = 1000;
    const std::string rtf = MakePictureDocument(tall);
    EXPECT_NE(rtf.find("\\paperh16440"), std::string::npos) << "15000 twips + two margins";
    EXPECT_NE(rtf.find("\\paperw12240"), std::string::npos) << "Letter width is wide enough";
}

TEST(PictureDocument, ReadsBackTheSamePngBytes) {
    const EncodedImage original = SamplePng();
    const std::optional<EncodedImage> read = ReadPictureDocument(MakePictureDocument(original));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->png, original.png);
    EXPECT_EQ(read->width, 4);
    EXPECT_EQ(read->height, 3);
}

TEST(PictureDocument, ToleratesLineBreaksBlanksAndUpperCaseInTheHex) {
    std::string hex = Hex(SamplePng().png);
    for (char& c : hex)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string broken;
    for (std::size_t i = 0; i < hex.size(); ++i) {
        broken += hex[i];
        if (i % 7 == 0)
            broken += "\n";
        if (i % 11 == 0)
            broken += "\r\n \t";
    }
    const auto read = ReadPictureDocument(Document(PictGroup("\\pngblip", broken)));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->png, SamplePng().png);
}

TEST(PictureDocument, SkipsNestedGroupsAndOtherPictures) {
    const std::string png = Hex(SamplePng().png);
    // A metafile picture first, then a PNG with a nested identifier group, as word
    // processors write them; \pictscaled is another control word, not a picture.
    const std::string rtf = Document("{\\*\\pictscaled}" + PictGroup("\\wmetafile8", "0102") +
                                     PictGroup("\\picscalex100{\\*\\blipuid 0a0b}\\pngblip", png));
    const auto read = ReadPictureDocument(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->png, SamplePng().png);
}

TEST(PictureDocument, RefusesWhatIsNoIntactPicture) {
    const std::string good = MakePictureDocument(SamplePng());
    const std::string png = Hex(SamplePng().png);
    std::string flipped = png;
    flipped[90] = flipped[90] == '0' ? '1' : '0'; // inside the IDAT data: checksum fails

    EXPECT_FALSE(ReadPictureDocument(""));
    EXPECT_FALSE(ReadPictureDocument("plain text, no document"));
    EXPECT_FALSE(ReadPictureDocument(Document("no picture at all")));
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\jpegblip", png))));
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip", flipped))));
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip", png + "0"))))
        << "odd number of hex digits";
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip", png + "zz"))))
        << "garbage among the hex digits";
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip\\bin72 ", ""))));
    std::string shortened = png;
    shortened.erase(shortened.size() - 24); // IEND cut off
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip", shortened))));
    EXPECT_FALSE(ReadPictureDocument(Document(PictGroup("\\pngblip", Hex("\x89PNG")))));
    // Cut anywhere before the picture's end: refused, never read past its end.
    const std::size_t pictureEnd = good.find("}\\par");
    for (std::size_t length = 0; length <= pictureEnd; ++length)
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
    const auto read =
        ReadPictureDocument(many + "}" + PictGroup("\\pngblip", Hex(SamplePng().png)));
    ASSERT_TRUE(read) << "a picture after the odd group is still found";
    EXPECT_EQ(read->png, SamplePng().png);
}

TEST(PictureDocument, ChecksThePngStructure) {
    int width = 0, height = 0;
    EXPECT_TRUE(IsIntactPng(SamplePng().png, width, height));
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 3);
    std::string noHeader = SamplePng().png;
    noHeader.replace(12, 4, "IHDX");
    EXPECT_FALSE(IsIntactPng(noHeader, width, height));
    std::string hugeLength = SamplePng().png;
    hugeLength.replace(33, 4, "\xff\xff\xff\xf0"); // the IDAT length
    EXPECT_FALSE(IsIntactPng(hugeLength, width, height));
}

TEST(PictureToDocument, WritesTheTargetAndTheScratchCopy) {
    TempDir dir;
    DiskFileSystem files;
    const std::string root = (dir.path() / "PLX").string();
    const std::string target = (dir.path() / "graph.doc").string();

    EXPECT_TRUE(Picture_To_Document(files, root, SamplePng(), target));

    const std::string document = ReadFile(target);
    EXPECT_EQ(document, MakePictureDocument(SamplePng()));
    EXPECT_EQ(ReadFile(TempDocPath(root)), document) << "the data root was made for it";
    const auto back = Document_To_Picture(files, target);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->png, SamplePng().png);
}

TEST(PictureToDocument, ReplacesAnEarlierDocument) {
    TempDir dir;
    DiskFileSystem files;
    const std::string target = (dir.path() / "graph.doc").string();
    WriteFile(target, std::string(100000, 'x'));
    EXPECT_TRUE(Picture_To_Document(files, dir.str(), SamplePng(), target));
    EXPECT_EQ(ReadFile(target), MakePictureDocument(SamplePng()));
}

TEST(PictureToDocument, ReportsATargetThatCannotBeWritten) {
    TempDir dir;
    DiskFileSystem files;
    const std::string target = (dir.path() / "missing folder" / "graph.doc").string();
    EXPECT_FALSE(Picture_To_Document(files, dir.str(), SamplePng(), target));
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(ReadFile(TempDocPath(dir.str())), MakePictureDocument(SamplePng()))
        << "the scratch copy is still made";
}

TEST(DocumentToPicture, RefusesMissingAndForeignFiles) {
    TempDir dir;
    DiskFileSystem files;
    EXPECT_FALSE(Document_To_Picture(files, (dir.path() / "none.doc").string()));
    WriteFile(dir.path() / "text.doc", "Company: \r\n");
    EXPECT_FALSE(Document_To_Picture(files, (dir.path() / "text.doc").string()));
}

TEST(DocumentPictureFiler, FilesAtTheRecordPath) {
    TempDir dir;
    DiskFileSystem files;
    DocumentPictureFiler filer(files, dir.str());
    const std::string recordPath = (dir.path() / "12052026-035651AM.doc").string();
    EXPECT_TRUE(filer.File(SamplePng(), recordPath));
    EXPECT_EQ(ReadFile(recordPath), ReadFile(TempDocPath(dir.str())));
    EXPECT_FALSE(filer.File(SamplePng(), (dir.path() / "no" / "x.doc").string()));
}

} // namespace
} // namespace orvane
