#include "workspace/disk_file_system.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class DiskFiles : public ::testing::Test {
  protected:
    std::string At(const std::string& name) const { return (dir.path() / name).string(); }
    std::ptrdiff_t Entries(const std::string& folder = "") const {
        return std::distance(fs::directory_iterator(At(folder)), fs::directory_iterator{});
    }
    bool Writable(const std::string& name) const {
        return (fs::status(At(name)).permissions() & fs::perms::owner_write) != fs::perms::none;
    }

    TempDir dir;
    DiskFileSystem disk;
};

// Names are 8-bit text (on Windows in the ANSI code page). A write replaces the file whole
// (renamed over, not rewritten); what fails leaves nothing behind.
TEST_F(DiskFiles, EachOperationDoesItsOneJobOnAnyNameOrFailsWithoutSideEffects) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    // The 8-bit name is reached through the disk only: the test's own file calls take names
    // in another encoding on Windows.
    const std::string a = At("M\xFCnchen \x80\x8A\x9F.txt"), copy = At("copy");
    WriteFile(copy, "old old old");
    fs::create_hard_link(copy, At("old"));
    ASSERT_TRUE(disk.Write(a, bytes) && disk.Append(a, "\r\n") && disk.Write(copy, "older") &&
                disk.Copy(a, copy) && disk.Write(At("empty"), "") && disk.SetReadOnly(copy, true));
    EXPECT_EQ(std::tuple(disk.Read(copy), ReadFile(At("old")), disk.Read(At("empty")),
                         disk.Exists(a), disk.IsDirectory(a), Writable("copy")),
              std::tuple(bytes + "\r\n", "old old old", "", true, false, false));
#ifdef _WIN32
    EXPECT_FALSE(disk.Write(copy, "new")) << "the read-only attribute keeps it whole too";
#endif
    ASSERT_TRUE(disk.SetReadOnly(copy, false) && Writable("copy"));
    EXPECT_TRUE(disk.Remove(a) && !disk.Exists(a) && disk.Remove(a)) << "missing: gone already";
    EXPECT_TRUE(disk.MakeDirectory(a) && disk.MakeDirectory(a) && disk.IsDirectory(a));
    EXPECT_FALSE(disk.Write(At("missing/a.txt"), "x") || disk.Write(a, "x") ||
                 disk.MakeDirectory(At("two/three")) || disk.Remove(a) || disk.Append(a, "x") ||
                 disk.Copy(At("missing"), At("c")) || disk.SetReadOnly(At("missing"), true) ||
                 disk.Read(At("missing")) || disk.Read(a));
    EXPECT_EQ(std::tuple(ReadFile(copy), Entries()), std::tuple(bytes + "\r\n", 4))
        << "no temporary file is left, after a failed write neither";
}

#ifndef _WIN32 // symbolic links and POSIX modes
TEST_F(DiskFiles, WritesGoThroughLinksKeepTheModeNeverPassAReadOnlyFileNorLeaveTheFolder) {
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::create_directory(At("elsewhere"));
    WriteFile(At("elsewhere/target.doc"), "old");
    fs::permissions(At("elsewhere/target.doc"), mode);
    fs::create_symlink("elsewhere/target.doc", At("link.doc"));
    fs::create_symlink("link.doc", At("link to link.doc"));
    fs::create_symlink("elsewhere/new.doc", At("dangling.doc"));
    fs::create_symlink("loop.doc", At("loop.doc"));
    for (const char* name : {"link.doc", "link to link.doc", "dangling.doc"})
        EXPECT_TRUE(disk.Write(At(name), name) && fs::is_symlink(At(name)) &&
                    ReadFile(At(name)) == name)
            << name;
    EXPECT_EQ(std::tuple(fs::status(At("elsewhere/target.doc")).permissions(),
                         disk.Write(At("loop.doc"), "x")),
              std::tuple(mode, false));

    WriteFile(At("protected.doc"), "kept");
    ASSERT_TRUE(disk.SetReadOnly(At("protected.doc"), true));
    fs::create_symlink("protected.doc", At("protected link.doc"));
    for (const char* name : {"protected.doc", "protected link.doc"})
        EXPECT_FALSE(disk.Write(At(name), "x") || disk.Append(At(name), "x") ||
                     disk.Copy(At("link.doc"), At(name)))
            << name;
    EXPECT_EQ(
        std::tuple(ReadFile(At("protected.doc")), Writable("protected.doc"), Entries("elsewhere")),
        std::tuple("kept", false, 2))
        << "no temporary file is left";

    // An entry is inside its folder only where its links lead there.
    fs::create_directories(At("PLX/VESK"));
    fs::create_directory_symlink("PLX/VESK", At("VESK link"));
    WriteFile(At("PLX/VESK/a.txt"), "a");
    fs::create_symlink("a.txt", At("PLX/VESK/to a.txt"));
    fs::create_symlink("../../protected.doc", At("PLX/VESK/to outside.txt"));
    fs::create_symlink("../missing.txt", At("PLX/VESK/dangling outside.txt"));
    fs::create_symlink(At("PLX"), At("PLX/VESK/to parent"));
    for (const char* path :
         {"PLX/VESK/a.txt", "PLX/VESK/new.txt", "PLX/VESK/to a.txt", "VESK link/a.txt"})
        EXPECT_TRUE(disk.IsInside(At(path), At("PLX/VESK"))) << path;
    EXPECT_TRUE(disk.IsInside(At("PLX/VESK/a.txt"), At("VESK link")));
    for (const char* path : {"PLX/VESK/to outside.txt", "PLX/VESK/dangling outside.txt",
                             "PLX/VESK/to parent", "PLX/VESK/../a.txt", "PLX/a.txt"})
        EXPECT_FALSE(disk.IsInside(At(path), At("PLX/VESK"))) << path;
}
#endif

} // namespace
} // namespace orvane::testing
