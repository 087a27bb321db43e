#include "platform/qt_launcher.h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace orvane {
namespace {

namespace fs = std::filesystem;

class LauncherTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(testing::EnsureQtApplication()); }

    LauncherTest() { fs::create_directory(bin); }

    // A program in the launcher's own search path.
    void FakeProgram(const std::string& name, const std::string& body) {
        testing::WriteFile(bin / name, "#!/bin/sh\n" + body + "\n");
        fs::permissions(bin / name, fs::perms::owner_all);
    }
    // An office program that writes its arguments, one a line, to <name>.args.
    void FakeOffice(const std::string& name) {
        const std::string args = (dir.path() / name).string() + ".args";
        FakeProgram(name, "printf '%s\\n' \"$@\" > '" + args + ".tmp' && mv '" + args + ".tmp' '" +
                              args + "'");
    }
    // What the detached program was started with, once it has run; the next start writes anew.
    std::string ArgumentsOf(const std::string& name) const {
        const fs::path args = dir.path() / (name + ".args");
        for (int i = 0; i < 600 && !fs::exists(args); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a guard against hangs
        const std::string text = testing::ReadFile(args);
        fs::remove(args);
        return text;
    }

    testing::TempDir dir;
    fs::path bin = dir.path() / "bin";
    QtLauncher launcher{{QString::fromStdString(bin.string())}};
};

TEST_F(LauncherTest, StartsLibreOfficeWithTheImportFilterOfEachKindOfFile) {
    FakeOffice("soffice");
    EXPECT_EQ(launcher.OfficeProgram().toStdString(), (bin / "soffice").string());
    EXPECT_TRUE(launcher.OpenInWordProcessor("/data/PLX/12052026-035651AM.doc",
                                             OfficeFile::PictureDocument));
    EXPECT_EQ(ArgumentsOf("soffice"), "--writer\n/data/PLX/12052026-035651AM.doc\n");
    EXPECT_TRUE(launcher.OpenInWordProcessor("/data/PLX/12052026-035651AM.txt", OfficeFile::Text));
    EXPECT_EQ(ArgumentsOf("soffice"),
              "--writer\n--infilter=Text (encoded):MS_1252,CRLF,Liberation Mono,\n"
              "/data/PLX/12052026-035651AM.txt\n");

    FakeOffice("libreoffice");
    EXPECT_TRUE(launcher.HasSpreadsheet());
    EXPECT_TRUE(launcher.OpenInSpreadsheet("/data/PLX/with blank.xls"));
    EXPECT_EQ(ArgumentsOf("libreoffice"),
              "--calc\n--infilter=Text - txt - csv (StarCalc):9,34,1\n/data/PLX/with blank.xls\n")
        << "libreoffice is preferred, and a blank stays inside the one argument";
}

TEST_F(LauncherTest, WithoutLibreOfficeTheDesktopsDefaultSpreadsheetCounts) {
    EXPECT_TRUE(launcher.OfficeProgram().isEmpty());
    EXPECT_FALSE(launcher.HasSpreadsheet()) << "no xdg-mime to ask either";
    FakeProgram("xdg-mime", "exit 0");
    EXPECT_FALSE(launcher.HasSpreadsheet()) << "no default application registered";
    FakeProgram("xdg-mime", "[ \"$3\" = text/csv ] && echo gnumeric.desktop; exit 0");
    EXPECT_TRUE(launcher.HasSpreadsheet());
}

} // namespace
} // namespace orvane
