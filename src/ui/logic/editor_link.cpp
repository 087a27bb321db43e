#include "ui/logic/editor_link.h"

#include <utility>

namespace orvane {

bool EditorLinkHolds(Workspace& ws, const WindowState& win) {
    if (!ws.RecordInEditor)
        return false;
    const int r = ws.EditReport;
    const int n = ws.EditRecord;
    if (r < 1 || r > MaxReports || n < 1 || n > MaxRecords ||
        ws.RecordText[r][n] != win.Text1.text) {
        ws.RecordInEditor = false;
        return false;
    }
    return true;
}

void UserEditText1(Workspace& ws, WindowState& win, std::string text, bool reload) {
    const bool linked = EditorLinkHolds(ws, win);
    if (linked && ws.RecordText[ws.EditReport][ws.EditRecord] != text) {
        ws.RecordText[ws.EditReport][ws.EditRecord] = text;
        ws.Dirty = true;
    }
    if (reload)
        win.Text1.Set(std::move(text));
    else
        win.Text1.text = std::move(text);
}

} // namespace orvane
