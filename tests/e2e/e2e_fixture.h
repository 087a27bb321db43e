#pragma once
// End-to-end sessions: the program as a technician runs it, against the simulated test set
// on a pseudo-terminal; and what the disk must hold afterwards, worked out from the bytes
// the test set plays (its --dump) by the capture's rules, written here apart from the
// program's code. Stamps are taken from the disk.

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "output/document_picture_filer.h"
#include "output/stamps.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_picture_surface.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "support/fakes.h"
#include "support/output_fakes.h"
#include "support/pty_testset.h"
#include "support/scoped_env.h"
#include "ui/main_window.h"
#include "workspace/disk_file_system.h"

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::e2e {

// Only guards against hangs: what is waited for normally comes within seconds.
inline constexpr int HangGuardMs = 60000;

// The child run of the test program (crash test, tools/measure-cpu): its folder, target
// ("tarn" or "vesk") and COM number.
inline constexpr char ChildFolderVariable[] = "ORVANE_E2E_CHILD_FOLDER";
inline constexpr char ChildTargetVariable[] = "ORVANE_E2E_CHILD_TARGET";
inline constexpr char ChildComVariable[] = "ORVANE_E2E_CHILD_COM";

// The main window over `folder`/PLX (KAVREL_DATA_ROOT) and `folder`/config (settings, COM
// links) with the real port, disk, clock, surfaces and clipboard; messages are recorded.
struct LiveSession {
    explicit LiveSession(const std::filesystem::path& folder);
    ~LiveSession() { window.reset(); } // the window may reach the devices while it closes

    // Loads and shows the window, then picks target family `type` in the target dialog.
    void Start(std::int32_t type);
    // OK of the serial settings dialog with "COM <com>" chosen; true when the link is up.
    bool Connect(int com);
    void Disconnect() { window->Menus().mnuDisconnect->trigger(); }
    std::filesystem::path DataPath(const std::string& relative) const {
        return folder / "PLX" / relative;
    }

    const std::filesystem::path folder;
    testing::ScopedEnv configHome;
    testing::ScopedEnv dataRoot;
    const bool settingsPlaced;
    DiskFileSystem files;
    SystemClock clock;
    testing::FakeDialogs dialogs;
    Services services;
    QtSettingsStore settings;
    QtSerialPort port;
    QtClipboard clipboard;
    QtPictureSurface imgScreen;
    QtPictureSurface imgTemp;
    testing::RecordingLauncher launcher;
    DocumentPictureFiler filer;
    Workspace ws;
    WindowState win;
    std::unique_ptr<MainWindow> window;
};

// A record of a workspace index: kind (1 RECORD, 2 GRAPH) and name (its file name's stem).
struct IndexedRecord {
    int kind;
    std::string name;
};

// How the simulated test set hands its bytes to the terminal: each write whole, or cut into
// the packets of a USB serial adapter.
enum class Delivery { WholeWrites, Packets };
// `options` with the test set's option for `delivery`.
std::vector<std::string> Delivered(Delivery delivery, std::vector<std::string> options);
std::string DeliveryName(const ::testing::TestParamInfo<Delivery>& info);

// Test set options that publish COM<com> in the ports folder of the session in `folder`.
std::vector<std::string> TestsetOptions(const std::filesystem::path& folder, int com,
                                        std::vector<std::string> options);

// Tarn/TarnX: the transmissions of a dump, each starting with its printer set-up
// ESC R 01 ESC 2 (R in either case).
std::vector<std::string> PushedTransmissions(std::string_view dump);
// What the capture keeps of a transmission: set-up sequences (with or without a following
// SI) removed, LF dropped, CR made CR LF.
std::string PushedText(std::string_view transmission);
// A pushed record's file: header line with the stamp, the text, CR LF.
std::string PushedRecordFile(std::string_view stamp, std::string_view text);
// Expects the Tarn/TarnX index to hold report 1 alone with one record per text, each record's
// file holding its text under the stamp of its header line; returns the records listed.
std::vector<IndexedRecord> ExpectPushedRecords(const LiveSession& session,
                                               const std::vector<std::string>& texts);

// Vesk/VeskM: the records of a printer stream, split at the starts ESC SP 09 / 0F / 04.
std::vector<std::string> PrinterRecords(std::string_view dump);
// A text record's text (the bytes after ESC SP 09): space to "z" kept, LF made CR LF, the
// rest dropped.
std::string PrinterText(std::string_view bytes);

struct Dot {
    int x, y;
    bool black;
};
// The dots of the ESC K blocks of a picture record as a dot-matrix printer lays them: the
// most significant bit on top; a line feed goes down one band of 8 dots after a row ending
// in an escape sequence, two after printed text.
std::vector<Dot> BitImageDots(std::string_view record);

std::vector<IndexedRecord> ListedRecords(std::string_view index);
// The index of one report with empty header fields and these records in `targetFolder`.
std::string OneReportIndex(std::string_view reportName, const std::vector<IndexedRecord>& records,
                           const std::filesystem::path& targetFolder);
// MMDDYYYY-HHMMSS and two more letters or digits.
bool IsStamp(const std::string& text);

} // namespace orvane::e2e

#endif
