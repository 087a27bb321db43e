// The launcher finds LibreOffice, or else the desktop's spreadsheet, in a search path of the
// test's own.

#include "platform/qt_launcher->h"
#include "support/fakes.h"
#include "support/qt_application.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
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
    // A launcher of a fresh run: it looks the programs up once, as it is made.
    std::unique_ptr<QtLauncher> Started() const {
        return std::make_unique<QtLauncher>(QStringList{QString::fromStdString(bin.string())});
    }

    testing::TempDir dir;
    fs::path bin = dir.path() / "bin";
};

TEST_F(LauncherTest, StartsLibreOfficeWithTheImportFilterOfEachKindOfFile) {
    // Each office program writes its arguments, one a line, to <name>.args.
    for (const std::string name : {"soffice", "libreoffice"}) {
        const std::string args = (dir.path() / name).string() + ".args";
        FakeProgram(name, "printf '%s\\n' \"$@\" > '" + args + ".tmp' && mv '" + args + ".tmp' '" +
                              args + "'");
    }
    // What the detached program was started with, once it has run.
    const auto argumentsOf = [&](const std::string& name) {
        const fs::path args = dir.path() / (name + ".args");
        for (int i = 0; i < 600 && !fs::exists(args); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a guard against hangs
        const std::string text = testing::ReadFile(args);
        fs::remove(args);
        return text;
    };
    auto launcher = Started();
    EXPECT_EQ(launcher->OfficeProgram().toStdString(), (bin / "libreoffice").string())
        << "libreoffice is preferred";
    EXPECT_TRUE(launcher->HasSpreadsheet());
    EXPECT_TRUE(launcher->OpenInSpreadsheet("/data/PLX/with blank.xls"));
    EXPECT_EQ(argumentsOf("libreoffice"),
              "--calc\n--infilter=Text - txt - csv (StarCalc):9,34,1\n/data/PLX/with blank.xls\n")
        << "a blank stays inside the one argument";
    fs::remove(bin / "libreoffice");
    launcher = Started();
    EXPECT_TRUE(launcher->OpenInWordProcessor("/data/PLX/12052026-035651AM.doc",
                                              OfficeFile::PictureDocument));
    EXPECT_EQ(argumentsOf("soffice"), "--writer\n/data/PLX/12052026-035651AM.doc\n");
    EXPECT_TRUE(launcher->OpenInWordProcessor("/data/PLX/12052026-035651AM.txt", OfficeFile::Text));
    EXPECT_EQ(argumentsOf("soffice"),
              "--writer\n--infilter=Text (encoded):MS_1252,CRLF,Liberation Mono,\n"
              "/data/PLX/12052026-035651AM.txt\n");
}

TEST_F(LauncherTest, WithoutLibreOfficeTheDesktopsDefaultSpreadsheetCounts) {
    const std::pair<const char*, bool> rows[] = {
        {nullptr, false},  // no xdg-mime to ask
        {"exit 0", false}, // no default application registered
        {"[ \"$3\" = text/csv ] && echo gnumeric.desktop; exit 0", true}};
    for (const auto& [xdgMime, spreadsheet] : rows) {
        if (xdgMime)
            FakeProgram("xdg-mime", xdgMime);
        const auto launcher = Started();
        EXPECT_TRUE(launcher->OfficeProgram().isEmpty());
        EXPECT_EQ(launcher->HasSpreadsheet(), spreadsheet) << (xdgMime ? xdgMime : "none");
    }
}

// A desktop slow to answer: the window's timers (and so its painting) go on while a command
// waits for the look-up, which is asked once only.
TEST_F(LauncherTest, ASlowDesktopDoesNotStopTheWindow) {
    const std::string asked = (dir.path() / "asked").string();
    FakeProgram("xdg-mime", "echo >> '" + asked + "'; sleep 1; echo calc.desktop");
    const auto launcher = Started();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    EXPECT_TRUE(launcher->HasSpreadsheet() && launcher->HasSpreadsheet());
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(testing::ReadFile(asked), "\n") << "asked once";
}

} // namespace
} // namespace orvane
