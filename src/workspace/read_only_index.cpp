#include "workspace/read_only_index.h"

#include "workspace/data_paths.h"
#include "workspace/index_file.h"
#include "workspace/index_format.h"
#include "workspace/window_state.h"

namespace orvane {

std::optional<int> LoadIndexReadOnly(Workspace& ws, std::string_view targetDir,
                                     Services& services) {
    ReadOnlyFileSystem readOnly(services.files);
    Services reading{readOnly, services.clock, services.dialogs, services.dataRoot};
    const std::string indexPath = IndexPath(services.dataRoot, targetDir);
    // The loader takes a missing or unreadable index for an empty workspace; here it is an
    // error the caller reports.
    if (!readOnly.Exists(indexPath) || readOnly.IsDirectory(indexPath))
        return std::nullopt;
    const std::optional<std::string> bytes = readOnly.Read(indexPath);
    if (!bytes)
        return std::nullopt;

    ws.TargetDir = std::string(targetDir);
    WindowState win;
    Loading_Workspace(ws, win, reading);
    return static_cast<int>(ParseIndex(*bytes).reports.size());
}

} // namespace orvane
