#include "output/excel_export.h"

#include "output/export_file_name.h"
#include "output/output_messages.h"
#include "output/stamps.h"
#include "workspace/data_paths.h"

#include <algorithm>

namespace orvane {

std::string Pad(int k) {
    return std::string(static_cast<std::size_t>(k + 1), ' ');
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, at)) {
        result.append(text.substr(at, found - at));
        result.append(to);
        at = found + from.size();
    }
    result.append(text.substr(at));
    return result;
}

std::string TabSeparated(std::string_view text) {
    std::string table(text);
    for (int k = 0; k <= 3; ++k)
        table = ReplaceAll(table, Pad(4 - k), Pad(0));
    std::replace(table.begin(), table.end(), ' ', '\t');
    return table;
}

std::string InterPath(std::string_view dataRoot) {
    return JoinPath(dataRoot, "inter.txt");
}

std::string mnuExportToExcel_Click(const Workspace& ws, const WindowState& win, Services& services,
                                   Launcher& launcher) {
    if (!win.Text1.visible)
        return {};
    FileSystem& files = services.files;
    const std::string table = TabSeparated(Report_Header(ws, false) + win.Text1.text) + "\r\n";
    const std::string inter = InterPath(services.dataRoot);

    EnsureDataRoot(files, services.dataRoot);
    // Another copy of the program on the same data root may be exporting through it now.
    const ScopedLock scratch(services.locks, inter);
    if (!scratch.held()) {
        services.dialogs.Message(CantWriteMessage(inter));
        return {};
    }
    files.Remove(inter);
    if (!files.Write(inter, table)) {
        services.dialogs.Message(CantWriteMessage(inter));
        files.Remove(inter);
        return {};
    }
    if (!launcher.HasSpreadsheet()) {
        services.dialogs.Message(ExcelMissingMessage);
        files.Remove(inter);
        return {};
    }
    const std::string result = FreeExportPath(files, services.clock, services.dataRoot, ".xls");
    const bool copied = files.Copy(inter, result);
    files.Remove(inter);
    if (!copied) {
        services.dialogs.Message(CantWriteMessage(result));
        return {};
    }
    if (!launcher.OpenInSpreadsheet(result))
        services.dialogs.Message(ExcelMissingMessage);
    return result;
}

} // namespace orvane
