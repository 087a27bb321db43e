#include "e2e_fixture.h"

// Needs POSIX pseudo-terminals (the simulated test set).
#ifndef _WIN32

#include "platform/cp1252.h"
#include "support/qt_application.h"
#include "ui/logic/target_selection.h"
#include "workspace/data_paths.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSettings>

#include <regex>

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

bool PlaceSettings(const fs::path& config) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.string()));
    return testing::EnsureQtApplication();
}

void ClickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

unsigned char At(std::string_view bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

// ESC R 01 ESC 2 at `i`, the R in either case.
bool PrinterSetUpAt(std::string_view bytes, std::size_t i) {
    return At(bytes, i) == 0x1B && (At(bytes, i + 1) | 0x20) == 'r' && At(bytes, i + 2) == 0x01 &&
           At(bytes, i + 3) == 0x1B && At(bytes, i + 4) == '2';
}

// The parts of `bytes`, each beginning where `start` matches.
std::vector<std::string> SplitBefore(std::string_view bytes, const std::regex& start) {
    std::vector<std::size_t> starts;
    for (std::cregex_iterator it(bytes.data(), bytes.data() + bytes.size(), start), end; it != end;
         ++it)
        starts.push_back(static_cast<std::size_t>(it->position()));
    starts.push_back(bytes.size());
    std::vector<std::string> parts;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k)
        parts.emplace_back(bytes.substr(starts[k], starts[k + 1] - starts[k]));
    return parts;
}

} // namespace

LiveSession::LiveSession(const fs::path& sessionFolder)
    : folder(sessionFolder), configHome("XDG_CONFIG_HOME", (folder / "config").c_str()),
      dataRoot("KAVREL_DATA_ROOT", (folder / "PLX").c_str()),
      settingsPlaced(PlaceSettings(folder / "config")), services{files, clock, dialogs,
                                                                 DefaultDataRoot()},
      filer(files, services.dataRoot),
      window(std::make_unique<MainWindow>(WindowContext{
          ws, win, services, settings, port, clipboard, imgScreen, imgTemp, launcher, filer})) {
    // Wired as the program wires its window.
    MainWindow* shown = window.get();
    QObject::connect(&port, &QtSerialPort::readyRead, shown, &MainWindow::OnPortReadyRead);
    QObject::connect(&port, &QtSerialPort::breakReceived, shown, &MainWindow::OnBreakReceived);
    QObject::connect(&port, &QtSerialPort::linkLost, shown,
                     [shown](const QString& reason) { shown->OnLinkLost(ToCp1252(reason)); });
}

void LiveSession::Start(std::int32_t type) {
    window->Form_Load();
    window->show();
    window->Menus().mnuTarget->trigger();
    window->Form4()->Option(TargetOption(type).value_or(0))->setChecked(true);
    ClickOk(window->Form4());
}

bool LiveSession::Connect(int com) {
    window->Menus().mnuConnect->trigger();
    window->Form3()->cboPort()->setCurrentIndex(com - 1);
    window->Form3()->CboSpeed()->setCurrentText(QStringLiteral("38400"));
    ClickOk(window->Form3());
    return ws.Connected;
}

std::vector<std::string> TestsetOptions(const fs::path& folder, int com,
                                        std::vector<std::string> options) {
    const fs::path ports = folder / "config" / "Kavrel" / "ports";
    options.insert(options.end(), {"--com", std::to_string(com), "--ports-dir", ports.string()});
    return options;
}

std::vector<std::string> Delivered(Delivery delivery, std::vector<std::string> options) {
    // One seed for every run, so a failure replays with the same cuts.
    if (delivery == Delivery::Packets)
        options.insert(options.end(), {"--packets", "11"});
    return options;
}

std::string DeliveryName(const ::testing::TestParamInfo<Delivery>& info) {
    return info.param == Delivery::Packets ? "Packets" : "WholeWrites";
}

std::vector<std::string> PushedTransmissions(std::string_view dump) {
    static const std::regex setUp("\x1b[Rr]\x01\x1b"
                                  "2");
    return SplitBefore(dump, setUp);
}

std::string PushedText(std::string_view transmission) {
    std::string text;
    for (std::size_t i = 0; i < transmission.size(); ++i) {
        if (PrinterSetUpAt(transmission, i))
            i += At(transmission, i + 5) == 0x0F ? 5 : 4;
        else if (transmission[i] == '\r')
            text += "\r\n";
        else if (transmission[i] != '\n')
            text += transmission[i];
    }
    return text;
}

std::string PushedRecordFile(std::string_view stamp, std::string_view text) {
    return "   RECORD:" + std::string(stamp) + "\r\n" + std::string(text) + "\r\n";
}

std::vector<IndexedRecord> ExpectPushedRecords(const LiveSession& session,
                                               const std::vector<std::string>& texts) {
    const std::string index = testing::ReadFile(session.DataPath("TARN/TARN.ini"));
    const std::vector<IndexedRecord> listed = ListedRecords(index);
    EXPECT_EQ(index, OneReportIndex(session.ws.ReportName[1], listed, session.DataPath("TARN")));
    EXPECT_EQ(listed.size(), texts.size());
    for (std::size_t i = 0; i < listed.size() && i < texts.size(); ++i) {
        const std::string file =
            testing::ReadFile(session.DataPath("TARN/" + listed[i].name + ".txt"));
        // The header line's stamp, after its 10 characters "   RECORD:".
        const std::string stamp = file.size() >= 27 ? file.substr(10, 17) : "";
        EXPECT_TRUE(IsStamp(listed[i].name) && IsStamp(stamp)) << file;
        EXPECT_EQ(file, PushedRecordFile(stamp, texts[i])) << "record " << i + 1;
    }
    return listed;
}

std::vector<std::string> PrinterRecords(std::string_view dump) {
    // Dots that spelt a start would show as a record too many.
    static const std::regex recordStart("\x1b [\x09\x0f\x04]");
    return SplitBefore(dump, recordStart);
}

std::string PrinterText(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        if (c == '\n')
            text += "\r\n";
        else if (c >= ' ' && c <= 'z')
            text += c;
    }
    return text;
}

std::vector<Dot> BitImageDots(std::string_view record) {
    std::vector<Dot> dots;
    int band = 0, column = 0;
    bool escapeLast = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == 0x1B) {
            escapeLast = true;
            if (At(record, i + 1) == 'K') {
                const std::size_t columns = At(record, i + 2) + 256u * At(record, i + 3);
                for (std::size_t k = 0; k < columns; ++k) {
                    for (int dot = 0; dot < 8; ++dot)
                        dots.push_back({column + static_cast<int>(k), 8 * band + dot,
                                        (At(record, i + 4 + k) & (0x80u >> dot)) != 0});
                }
                column += static_cast<int>(columns);
                i += 3 + columns;
            } else {
                i += At(record, i + 1) == ' ' ? 2 : 1;
            }
        }
        // A plain byte, or the last byte of an escape sequence, which counts as one too.
        if (At(record, i) == '\n') {
            band += escapeLast ? 1 : 2;
            column = 0;
        } else if (At(record, i) >= ' ' && At(record, i) <= 'z') {
            escapeLast = false;
        }
    }
    return dots;
}

std::vector<IndexedRecord> ListedRecords(std::string_view index) {
    // Record lines follow a line end: " <kind> <path ending in the 21-character file name>".
    static const std::regex recordLine(R"(\r\n ([12]) [^\r\n]*(.{17})\.(txt|doc)(?=\r\n))");
    std::vector<IndexedRecord> records;
    const std::string text(index);
    for (std::sregex_iterator it(text.begin(), text.end(), recordLine), end; it != end; ++it)
        records.push_back({std::stoi((*it)[1]), (*it)[2]});
    return records;
}

std::string OneReportIndex(std::string_view reportName, const std::vector<IndexedRecord>& records,
                           const fs::path& targetFolder) {
    std::string index = "-\r\n" + std::string(reportName) + "\r\n\r\n\r\n\r\n\r\n";
    for (const IndexedRecord& record : records) {
        const bool text = record.kind == 1;
        index += " " + std::to_string(record.kind) + " " +
                 (targetFolder / (record.name + (text ? ".txt" : ".doc"))).string() + "\r\n" +
                 (text ? "   RECORD:  " : "   GRAPH:    ") + record.name + "\r\n";
    }
    return index + "#\r\n";
}

bool IsStamp(const std::string& text) {
    static const std::regex stamp("[0-9]{8}-[0-9]{6}[0-9A-Za-z]{2}");
    return std::regex_match(text, stamp);
}

} // namespace orvane::e2e

#endif
