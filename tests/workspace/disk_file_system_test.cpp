#include "workspace/disk_file_system.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class DiskFiles : public ::testing::Test {
  protected:
    std::string At(const std::string& name) const { return (dir.path() / name).string(); }
    std::ptrdiff_t Entries() const {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{});
    }

    TempDir dir;
    DiskFileSystem disk;
};

TEST_F(DiskFiles, WriteReplacesTheFileAtomicallyByteForByteAndLeavesNothingBeside) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    bytes += "\r\n\n\r";
    const std::string old = bytes + "and a longer tail";
    WriteFile(At("a.txt"), old);
    fs::create_hard_link(At("a.txt"), At("old"));

    ASSERT_TRUE(disk.Write(At("a.txt"), bytes));
    ASSERT_TRUE(disk.Write(At("b.txt"), ""));
    EXPECT_EQ(ReadFile(At("a.txt")), bytes);
    EXPECT_EQ(disk.Read(At("a.txt")), bytes);
    EXPECT_EQ(disk.Read(At("b.txt")), "");
    EXPECT_EQ(ReadFile(At("old")), old) << "renamed over, not rewritten";
    EXPECT_EQ(Entries(), 3) << "no temporary file is left";

    fs::create_directory(At("folder"));
    WriteFile(At("folder/inside"), "kept");
    EXPECT_FALSE(disk.Write(At("missing/a.txt"), "x"));
    EXPECT_FALSE(disk.Write(At("folder"), "x"));
    EXPECT_EQ(ReadFile(At("folder/inside")), "kept");
    EXPECT_EQ(Entries(), 4) << "a failed write leaves nothing behind";
}

// Names are 8-bit text (on Windows in the ANSI code page): every operation finds the file
// the others made, whatever bytes its name holds.
TEST_F(DiskFiles, NamesWithEightBitCharactersReachTheSameFileInEveryOperation) {
    const std::string name = At("M\xFCnchen \x80\x8A\x9F.txt");
    const std::string copy = At("\x80 copy");
    ASSERT_TRUE(disk.Write(name, "one"));
    ASSERT_TRUE(disk.Append(name, "two"));
    EXPECT_TRUE(disk.Exists(name));
    EXPECT_FALSE(disk.IsDirectory(name));
    EXPECT_EQ(disk.Read(name), "onetwo");
    ASSERT_TRUE(disk.Copy(name, copy));
    EXPECT_EQ(disk.Read(copy), "onetwo");
    EXPECT_TRUE(disk.SetReadOnly(name, true) && disk.SetReadOnly(name, false));
    EXPECT_TRUE(disk.Remove(name) && disk.Remove(copy));
    EXPECT_FALSE(disk.Exists(name) || disk.Exists(copy));
    EXPECT_TRUE(disk.MakeDirectory(name));
    EXPECT_TRUE(disk.IsDirectory(name));
}

TEST_F(DiskFiles, EachOperationDoesItsOneJobOrFailsWithoutSideEffects) {
    ASSERT_TRUE(disk.Append(At("a"), "one\r\n"));
    ASSERT_TRUE(disk.Append(At("a"), "two\r\n"));
    EXPECT_EQ(ReadFile(At("a")), "one\r\ntwo\r\n");
    WriteFile(At("b"), "old old old old");
    EXPECT_TRUE(disk.Copy(At("a"), At("b")));
    EXPECT_EQ(ReadFile(At("b")), "one\r\ntwo\r\n");
    const auto writable = [&] {
        return (fs::status(At("b")).permissions() & fs::perms::owner_write) != fs::perms::none;
    };
    ASSERT_TRUE(disk.SetReadOnly(At("b"), true));
    EXPECT_FALSE(writable());
#ifdef _WIN32
    // The read-only attribute also keeps the file from being replaced.
    EXPECT_FALSE(disk.Write(At("b"), "new"));
    EXPECT_EQ(ReadFile(At("b")), "one\r\ntwo\r\n");
#endif
    ASSERT_TRUE(disk.SetReadOnly(At("b"), false));
    EXPECT_TRUE(writable());
    EXPECT_TRUE(disk.Remove(At("a")));
    EXPECT_FALSE(disk.Exists(At("a")));
    EXPECT_TRUE(disk.Remove(At("a"))) << "a missing file is gone already";
    EXPECT_TRUE(disk.MakeDirectory(At("one")));
    EXPECT_TRUE(disk.MakeDirectory(At("one"))) << "it exists now";

    EXPECT_FALSE(disk.MakeDirectory(At("two/three")));
    EXPECT_FALSE(disk.Remove(At("one")));
    EXPECT_FALSE(disk.Append(At("one"), "x"));
    EXPECT_FALSE(disk.Copy(At("missing"), At("c")));
    EXPECT_FALSE(disk.SetReadOnly(At("missing"), true));
    EXPECT_EQ(disk.Read(At("missing")), std::nullopt);
    EXPECT_EQ(disk.Read(At("one")), std::nullopt);
    EXPECT_EQ(Entries(), 2) << "b and one";
}

#ifndef _WIN32 // symbolic links and POSIX modes
TEST_F(DiskFiles, WritesGoThroughLinksKeepTheModeAndNeverPassAReadOnlyFile) {
    fs::create_directory(At("elsewhere"));
    WriteFile(At("elsewhere/target.doc"), "old");
    fs::permissions(At("elsewhere/target.doc"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("elsewhere/target.doc", At("link.doc"));
    fs::create_symlink("link.doc", At("link to link.doc"));
    fs::create_symlink("elsewhere/new.doc", At("dangling.doc"));
    fs::create_symlink("loop.doc", At("loop.doc"));
    for (const char* name : {"link.doc", "link to link.doc", "dangling.doc"}) {
        ASSERT_TRUE(disk.Write(At(name), name)) << name;
        EXPECT_TRUE(fs::is_symlink(At(name))) << name << " stays a link";
        EXPECT_EQ(ReadFile(At(name)), name);
    }
    EXPECT_EQ(fs::status(At("elsewhere/target.doc")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(disk.Write(At("loop.doc"), "x"));

    WriteFile(At("protected.doc"), "kept");
    ASSERT_TRUE(disk.SetReadOnly(At("protected.doc"), true));
    fs::create_symlink("protected.doc", At("protected link.doc"));
    for (const char* name : {"protected.doc", "protected link.doc"}) {
        EXPECT_FALSE(disk.Write(At(name), "x")) << name;
        EXPECT_FALSE(disk.Append(At(name), "x")) << name;
        EXPECT_FALSE(disk.Copy(At("link.doc"), At(name))) << name;
    }
    EXPECT_EQ(ReadFile(At("protected.doc")), "kept");
    EXPECT_EQ(fs::status(At("protected.doc")).permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(At("elsewhere")), fs::directory_iterator{}), 2)
        << "no temporary file is left";
}

TEST_F(DiskFiles, AnEntryIsInsideItsFolderOnlyWhereItsLinksLeadThere) {
    fs::create_directories(At("PLX/VESK"));
    fs::create_directory_symlink("PLX/VESK", At("VESK link"));
    WriteFile(At("PLX/VESK/a.txt"), "a");
    WriteFile(At("outside.txt"), "o");
    fs::create_symlink("a.txt", At("PLX/VESK/to a.txt"));
    fs::create_symlink("../../outside.txt", At("PLX/VESK/to outside.txt"));
    fs::create_symlink("../missing.txt", At("PLX/VESK/dangling outside.txt"));
    fs::create_symlink(At("PLX"), At("PLX/VESK/to parent"));
    const struct {
        const char* path;
        const char* folder;
        bool inside;
    } rows[] = {
        {"PLX/VESK/a.txt", "PLX/VESK", true},
        {"PLX/VESK/new.txt", "PLX/VESK", true},
        {"PLX/VESK/to a.txt", "PLX/VESK", true},
        {"VESK link/a.txt", "PLX/VESK", true},
        {"PLX/VESK/a.txt", "VESK link", true},
        {"PLX/VESK/to outside.txt", "PLX/VESK", false},
        {"PLX/VESK/dangling outside.txt", "PLX/VESK", false},
        {"PLX/VESK/to parent", "PLX/VESK", false},
        {"PLX/VESK/../a.txt", "PLX/VESK", false},
        {"PLX/a.txt", "PLX/VESK", false},
    };
    for (const auto& [path, folder, inside] : rows)
        EXPECT_EQ(disk.IsInside(At(path), At(folder)), inside) << path << " in " << folder;
}

#endif

} // namespace
} // namespace orvane::testing
