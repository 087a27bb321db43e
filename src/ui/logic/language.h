#pragma once
// The header labels in English or German. The choice lasts one run; every start is English.

#include "workspace/window_state.h"
#include "workspace/workspace.h"

#include <array>
#include <string_view>

namespace orvane {

// Company, technician, ticket/order, comment; indexed by Language - 1.
inline constexpr std::array<std::array<std::string_view, 4>, 2> HeaderLabelTexts{{
    {"Company", "Technician", "Ticket/Order", "Comments"},
    {"Firma", "Techniker", "Auftrag", "Kommentar"},
}};

enum class LanguageChoice { None, English, German };

// Sets the four header labels to the texts of ws.Language.
void ShowHeaderLabels(const Workspace& ws, WindowState& win);

// The language dialog's OK: the chosen language, or the current one when none is chosen,
// becomes the labels'. The window hides the dialog.
void Form6_cmdOK_Click(Workspace& ws, WindowState& win, LanguageChoice choice);

} // namespace orvane
