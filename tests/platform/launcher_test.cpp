#include "platform/qt_launcher.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace orvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class LauncherTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    // A program in the test's own PATH that writes its arguments, one a line, to a file.
    void FakeProgram(const std::string& name, const std::string& body) {
        const std::filesystem::path program = bin / name;
        WriteFile(program, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }
    void FakeOffice(const std::string& name) {
        FakeProgram(name, "printf '%s\\n' \"$@\" > '" + (dir.path() / name).string() +
                              ".args.tmp' && mv '" + (dir.path() / name).string() + ".args.tmp' '" +
                              (dir.path() / name).string() + ".args'");
    }
    // What the detached program was started with; waits for it to have run.
    std::string ArgumentsOf(const std::string& name) const {
        const std::filesystem::path args = dir.path() / (name + ".args");
        for (int i = 0; i < 600 && !std::filesystem::exists(args); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a guard against hangs
        return ReadFile(args);
    }
    QtLauncher Launcher() const { return QtLauncher({QString::fromStdString(bin.string())}); }

    TempDir dir;
    std::filesystem::path bin = [this] {
        std::filesystem::create_directory(dir.path() / "bin");
        return dir.path() / "bin";
    }();
};

TEST_F(LauncherTest, StartsLibreOfficeWriterOnTheFile) {
    FakeOffice("soffice");
    QtLauncher launcher = Launcher();
    EXPECT_EQ(launcher.OfficeProgram().toStdString(), (bin / "soffice").string());
    EXPECT_TRUE(launcher.OpenInWordProcessor("/data/PLX/12052026-035651AM.doc"));
    EXPECT_EQ(ArgumentsOf("soffice"), "--writer\n/data/PLX/12052026-035651AM.doc\n");
}

TEST_F(LauncherTest, StartsLibreOfficeCalcOnTheTable) {
    FakeOffice("libreoffice");
    FakeOffice("soffice");
    QtLauncher launcher = Launcher();
    EXPECT_TRUE(launcher.HasSpreadsheet());
    EXPECT_TRUE(launcher.OpenInSpreadsheet("/data/PLX/with blank.xls"));
    EXPECT_EQ(ArgumentsOf("libreoffice"), "--calc\n/data/PLX/with blank.xls\n")
        << "libreoffice is preferred, and a blank stays inside the one argument";
}

TEST_F(LauncherTest, WithoutLibreOfficeTheDesktopsDefaultSpreadsheetCounts) {
    QtLauncher launcher = Launcher();
    EXPECT_TRUE(launcher.OfficeProgram().isEmpty());
    EXPECT_FALSE(launcher.HasSpreadsheet()) << "no xdg-mime to ask either";

    FakeProgram("xdg-mime", "exit 0");
    EXPECT_FALSE(launcher.HasSpreadsheet()) << "no default application registered";

    FakeProgram("xdg-mime", "[ \"$3\" = text/csv ] && echo gnumeric.desktop; exit 0");
    EXPECT_TRUE(launcher.HasSpreadsheet());
}

} // namespace
} // namespace orvane
