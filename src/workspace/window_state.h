#pragma once
// What the procedures show in the main window's controls. The Qt window renders this state
// and reports the user's own input back through the event procedures; procedures never
// touch widgets, so they run headless in tests.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// A multi-line text box (Text1, Text2). Appends are cheap to render; a replacement bumps
// `replaced` so the window knows to reload the whole text.
struct TextBox {
    std::string text;
    bool visible = false;
    std::uint32_t replaced = 0;

    void Set(std::string value) {
        text = std::move(value);
        ++replaced;
    }
    void Append(std::string_view more) { text += more; }
    void Clear() { Set({}); }
};

struct WindowState {
    std::string Caption = "Orvane Reporter"; // window caption
    std::string Frame1Caption = "Record List";
    std::string Frame2Caption = "Report";

    TextBox Text1{.text = {}, .visible = true, .replaced = 0};
    TextBox Text2;

    bool imgScreenVisible = false;
    bool scrGraphicVisible = false;
    int scrGraphicValue = 0;

    std::array<std::string, 4> HeaderBox{};   // Text3..Text6: company, technician, ticket, comment
    std::array<std::string, 4> HeaderLabel{}; // labCompany, labTechnician, labTicket, labComment
    std::array<std::string, 3> StatusPanel{}; // link state, port, target

    // List1's current line as last set by code or by the user; -1 when none.
    int ListIndex = -1;

    bool ProgressVisible = false;
    int ProgressValue = 0;
};

} // namespace orvane
