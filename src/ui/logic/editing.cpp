#include "ui/logic/editing.h"

#include "ui/logic/editor_link.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace orvane {

namespace {

// The selection as it can apply to `text`: widgets and the state may briefly disagree.
TextSelection Within(const std::string& text, TextSelection selection) {
    const std::size_t start = std::min(selection.start, text.size());
    return {start, std::min(selection.length, text.size() - start)};
}

std::string_view SelectedText(const std::string& text, TextSelection selection) {
    const TextSelection within = Within(text, selection);
    return std::string_view(text).substr(within.start, within.length);
}

// `text` with its selection replaced by `insert`, and the caret just after the insert.
std::pair<std::string, TextSelection>
ReplaceSelection(const std::string& text, TextSelection selection, std::string_view insert) {
    const TextSelection within = Within(text, selection);
    std::string result = text;
    result.replace(within.start, within.length, insert);
    return {std::move(result), {within.start + insert.size(), 0}};
}

void PutOnClipboard(Clipboard& clipboard, std::string_view text) {
    clipboard.Clear();
    clipboard.SetText(text);
}

} // namespace

EditOutcome mnuCut_Click(Workspace& ws, WindowState& win, Clipboard& clipboard,
                         Selections selections) {
    if (!win.Text1.visible)
        return {};
    PutOnClipboard(clipboard, SelectedText(win.Text1.text, selections.text1));
    auto [text, caret] = ReplaceSelection(win.Text1.text, selections.text1, {});
    UserEditText1(ws, win, std::move(text), true);
    return {TextBoxId::Text1, caret};
}

void mnuCopy_Click(const WindowState& win, Clipboard& clipboard, Selections selections) {
    if (win.Text1.visible)
        PutOnClipboard(clipboard, SelectedText(win.Text1.text, selections.text1));
    else if (win.Text2.visible)
        PutOnClipboard(clipboard, SelectedText(win.Text2.text, selections.text2));
}

EditOutcome mnuPaste_Click(Workspace& ws, WindowState& win, Clipboard& clipboard,
                           Selections selections) {
    if (win.Text1.visible) {
        auto [text, caret] = ReplaceSelection(win.Text1.text, selections.text1, clipboard.Text());
        UserEditText1(ws, win, std::move(text), true);
        return {TextBoxId::Text1, caret};
    }
    if (win.Text2.visible) {
        auto [text, caret] = ReplaceSelection(win.Text2.text, selections.text2, clipboard.Text());
        win.Text2.Set(std::move(text));
        return {TextBoxId::Text2, caret};
    }
    return {};
}

EditOutcome mnuSelectAll_Click(const WindowState& win) {
    if (win.Text1.visible)
        return {TextBoxId::Text1, {0, win.Text1.text.size()}};
    if (win.Text2.visible)
        return {TextBoxId::Text2, {0, win.Text2.text.size()}};
    return {};
}

void Clear_Screen(Workspace& ws, WindowState& win) {
    if (ws.TarnMode) {
        if (win.Text1.visible)
            UserEditText1(ws, win, {}, true);
        if (win.Text2.visible)
            win.Text2.Clear();
    }
    if (ws.VeskMode && win.Text1.visible)
        UserEditText1(ws, win, {}, true);
}

} // namespace orvane
