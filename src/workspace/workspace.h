#pragma once
// The program-wide workspace: reports, their records and the mirror of the record list.
// Plain data on purpose: every procedure reads and writes these tables directly, and the
// window only shows what they hold.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvane {

inline constexpr int MaxReports = 50;    // live reports are 1..MaxReports; slot 0 is never live
inline constexpr int MaxRecords = 50;    // live records of a report are 1..MaxRecords
inline constexpr int HeaderFields = 4;   // company, technician, ticket/order, comment
inline constexpr int MaxListLines = 101; // list lines 0..100

// ReportState values
inline constexpr std::int16_t ReportFree = -1;
inline constexpr std::int16_t ReportClosed = 0;
inline constexpr std::int16_t ReportOpen = 1;

// RecordType values
inline constexpr std::int16_t KindFree = -1;
inline constexpr std::int16_t KindDeleted = 0;
inline constexpr std::int16_t KindRecord = 1; // a text screen ("RECORD")
inline constexpr std::int16_t KindGraph = 2;  // a picture ("GRAPH")

// Target families (TypeOfTarget)
inline constexpr std::int32_t TargetVesk = 1;
inline constexpr std::int32_t TargetTarn = 2;
inline constexpr std::int32_t TargetOru = 3;

template <typename T> using ReportTable = std::array<T, MaxReports + 1>;
template <typename T> using RecordTable = std::array<std::array<T, MaxRecords + 1>, MaxReports + 1>;
template <typename T> using ListTable = std::array<T, MaxListLines>;

struct Workspace {
    // Report table, indexed by report 0..50.
    ReportTable<std::string> ReportName{};
    ReportTable<std::int16_t> ReportState{};
    ReportTable<std::int16_t> RecordCount{};
    ReportTable<std::array<std::string, HeaderFields + 1>> ReportField{}; // fields 1..4

    // Record table, indexed by [report][record].
    RecordTable<std::int16_t> RecordType{};
    RecordTable<std::string> RecordLabel{};
    RecordTable<std::string> RecordPath{};
    RecordTable<std::string> RecordText{};

    // Mirror of List1: what each line shows and which report/record it stands for.
    std::int16_t ListCount = 0;
    ListTable<std::string> ListText{};
    ListTable<std::int16_t> ListReport{};
    ListTable<std::int16_t> ListRecord{};

    // Cursors and flags.
    std::int16_t ReportCount = 0;
    std::int16_t CurrentReport = 0;
    std::int16_t CurrentRecord = 0;
    std::int16_t ListSelection = 0;
    bool ListDblClicked = false;
    bool RecordInEditor = false;
    std::int16_t EditReport = 0;
    std::int16_t EditRecord = 0;

    // Target family.
    std::int32_t TypeOfTarget = 0;
    std::string TargetDir;
    bool TarnMode = false;
    bool VeskMode = false;

    std::string SavedViewCaption; // view frame caption kept across target switches

    // Window-wide settings of this run.
    std::int16_t Language = 1; // 1 English, 2 German
    std::string VersionLabel;
    std::string SaveFolder; // folder of the last file chosen in the Save dialog

    // Link state.
    bool Connected = false;
    bool Disconnected = false;

    // True once this target's index was read (or deliberately started) since start-up:
    // only then may the in-memory tables replace the index on disk.
    bool Loaded = false;
    // The TargetDir whose index the tables were read from (or started for); the index they
    // are written back to, even after the target was switched.
    std::string LoadedTargetDir;
    // True while the tables hold changes that have not reached the disk yet.
    bool Dirty = false;
    // The files the last failed write could not write, as the user was told: the same
    // failure is told once, not at every save that meets it again.
    std::vector<std::string> ToldWriteFailures;
    // Record file path -> the text its file holds, as last read or written by the index
    // code; files whose text is unchanged are not rewritten.
    std::unordered_map<std::string, std::string> RecordFileText;
};

// Marks every report and record slot free and clears cursors, as start-up and loading do.
void ResetWorkspace(Workspace& ws);

// True when line i of the list is one of the ListCount live lines.
inline bool IsListLine(const Workspace& ws, int i) {
    return i >= 0 && i < ws.ListCount;
}
inline bool IsReportIndex(int r) {
    return r >= 0 && r <= MaxReports;
}
inline bool IsRecordIndex(int n) {
    return n >= 0 && n <= MaxRecords;
}

} // namespace orvane
