#include "ui/logic/about_box.h"

#include <array>
#include <string_view>

namespace orvane {

namespace {

constexpr std::array<std::string_view, 8> SupportContacts{
    "Tallbrook Inc. switchboard: +1 555 0100",
    "Orvane Product Support Group",
    "Mon-Fri 8:00 am - 6:00 pm: +1 555 0142",
    "24-hour technical support: +1 555 0199",
    "Fax: +1 555 0143",
    "Web: www.example.com/orvane",
    "E-mail: orvane-support@example.com",
    "100 Example Way, Anytown, ST 00000",
};

} // namespace

AboutTexts Form2_Load(const Workspace& ws) {
    AboutTexts texts{"Orvane Reporter", "Version " + ws.VersionLabel, "Support:"};
    for (std::string_view line : SupportContacts) {
        texts.support += "\r\n";
        texts.support += line;
    }
    return texts;
}

} // namespace orvane
