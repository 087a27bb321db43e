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

    TempDir dir;
    DiskFileSystem disk;
};

std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes + "\r\n\n\r";
}

TEST_F(DiskFiles, WriteAndReadKeepEveryByte) {
    ASSERT_TRUE(disk.Write(At("a.txt"), AllBytes()));
    EXPECT_EQ(disk.Read(At("a.txt")), AllBytes());
    EXPECT_EQ(ReadFile(At("a.txt")), AllBytes());
}

TEST_F(DiskFiles, WriteReplacesTheWholeFileAndLeavesNothingBeside) {
    WriteFile(At("a.txt"), "a much longer old content");
    ASSERT_TRUE(disk.Write(At("a.txt"), "new"));
    ASSERT_TRUE(disk.Write(At("b.txt"), ""));
    EXPECT_EQ(ReadFile(At("a.txt")), "new");
    EXPECT_EQ(disk.Read(At("b.txt")), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 2);
}

TEST_F(DiskFiles, WriteFailsCleanlyWhereItCannotReplace) {
    EXPECT_FALSE(disk.Write(At("missing/a.txt"), "x"));
    fs::create_directory(At("folder"));
    WriteFile(At("folder/inside"), "kept");
    EXPECT_FALSE(disk.Write(At("folder"), "x"));
    EXPECT_EQ(ReadFile(At("folder/inside")), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

TEST_F(DiskFiles, ReadOfMissingFilesAndDirectoriesGivesNothing) {
    EXPECT_EQ(disk.Read(At("missing")), std::nullopt);
    EXPECT_EQ(disk.Read(dir.str()), std::nullopt);
}

TEST_F(DiskFiles, RemoveTakesFilesButNeverDirectories) {
    WriteFile(At("a.txt"), "x");
    fs::create_directory(At("folder"));
    EXPECT_TRUE(disk.Remove(At("a.txt")));
    EXPECT_FALSE(fs::exists(At("a.txt")));
    EXPECT_TRUE(disk.Remove(At("a.txt"))) << "a missing file is gone already";
    EXPECT_FALSE(disk.Remove(At("folder")));
    EXPECT_TRUE(fs::is_directory(At("folder")));
}

TEST_F(DiskFiles, MakeDirectoryMakesOneLevel) {
    EXPECT_TRUE(disk.MakeDirectory(At("one")));
    EXPECT_TRUE(disk.MakeDirectory(At("one"))) << "it exists now";
    EXPECT_FALSE(disk.MakeDirectory(At("two/three")));
    EXPECT_TRUE(disk.IsDirectory(At("one")));
    EXPECT_TRUE(disk.Exists(At("one")));
    EXPECT_FALSE(disk.Exists(At("two")));
}

TEST_F(DiskFiles, AppendAddsAtTheEnd) {
    ASSERT_TRUE(disk.Append(At("a.txt"), "one\r\n"));
    ASSERT_TRUE(disk.Append(At("a.txt"), "two\r\n"));
    EXPECT_EQ(ReadFile(At("a.txt")), "one\r\ntwo\r\n");
    EXPECT_FALSE(disk.Append(dir.str(), "x"));
}

TEST_F(DiskFiles, CopyOverwritesTheTarget) {
    WriteFile(At("a"), "from");
    WriteFile(At("b"), "old old old");
    EXPECT_TRUE(disk.Copy(At("a"), At("b")));
    EXPECT_EQ(ReadFile(At("b")), "from");
    EXPECT_FALSE(disk.Copy(At("missing"), At("c")));
}

TEST_F(DiskFiles, SetReadOnlyTogglesTheOwnersWritePermission) {
    WriteFile(At("a"), "x");
    const auto ownerWrite = [&] {
        return (fs::status(At("a")).permissions() & fs::perms::owner_write) != fs::perms::none;
    };
    ASSERT_TRUE(disk.SetReadOnly(At("a"), true));
    EXPECT_FALSE(ownerWrite());
    ASSERT_TRUE(disk.SetReadOnly(At("a"), false));
    EXPECT_TRUE(ownerWrite());
    EXPECT_FALSE(disk.SetReadOnly(At("missing"), true));
}

} // namespace
} // namespace orvane::testing
