#include "serial/serial_settings.h"

#include <cstddef>

namespace orvane {
namespace {

const std::vector<std::string> PortItems{"COM 1", "COM 2", "COM 3", "COM 4", "COM 5", "COM 6"};
const std::vector<std::string> SpeedItems{"1200", "2400", "4800", "9600", "19200", "38400"};
const std::vector<std::string> DataBitsItems{"4", "5", "6", "7", "8"};
const std::vector<std::string> ParityItems{"Even", "None", "Odd"};
const std::vector<std::string> StopBitsItems{"1", "2"};

void Refill(ComboBox& box, const std::vector<std::string>& items) {
    box.items = items;
    box.selected = -1;
    box.text.clear();
}

// Blanks only, as the dialog's boxes are trimmed.
std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int ParityPosition(char letter) {
    switch (letter) {
    case 'e':
        return 0;
    case 'n':
        return 1;
    case 'o':
        return 2;
    default:
        return -1;
    }
}

} // namespace

void ComboBox::Select(int position) {
    if (position < 0 || position >= static_cast<int>(items.size()))
        return;
    selected = position;
    text = items[static_cast<std::size_t>(position)];
}

void LoadPropertySettings(SerialSettingsForm& form, int commPort, const std::string& settings) {
    Refill(form.cboPort, PortItems);
    Refill(form.CboSpeed, SpeedItems);
    Refill(form.CboDataBits, DataBitsItems);
    Refill(form.cboParity, ParityItems);
    Refill(form.cboStopBits, StopBitsItems);

    // Fields by position from the end, assuming one-character data and stop bits
    // ("19200,n,8,1"); a string too short for a field leaves that box empty.
    const std::size_t length = settings.size();
    if (length >= 6)
        form.CboSpeed.text = settings.substr(0, length - 6);
    if (length >= 5)
        form.cboParity.Select(ParityPosition(settings[length - 5]));
    if (length >= 3)
        form.CboDataBits.text = settings.substr(length - 3, 1);
    if (length >= 1)
        form.cboStopBits.text = settings.substr(length - 1);

    form.cboPort.Select(commPort - 1);
}

int SelectedCommPort(const SerialSettingsForm& form) {
    return form.cboPort.selected < 0 ? 0 : form.cboPort.selected + 1;
}

std::string ComposeSettings(const SerialSettingsForm& form) {
    return TrimBlanks(form.CboSpeed.text) + "," + form.cboParity.text.substr(0, 1) + "," +
           TrimBlanks(form.CboDataBits.text) + "," + TrimBlanks(form.cboStopBits.text);
}

} // namespace orvane
