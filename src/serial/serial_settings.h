#pragma once
// The serial settings dialog (Form3) as plain data: five editable combo boxes that are filled
// from the port's configuration and composed back into a settings string on OK.

#include <string>
#include <vector>

namespace orvane {

// An editable combo box: its list, the selected position (-1 for none) and the edit text.
struct ComboBox {
    std::vector<std::string> items;
    int selected = -1;
    std::string text;

    void Select(int position);
};

struct SerialSettingsForm {
    ComboBox cboPort;     // "COM 1".."COM 6"; the port is taken from the selected position
    ComboBox CboSpeed;    // baud rate
    ComboBox CboDataBits; // data bits
    ComboBox cboParity;   // "Even", "None", "Odd"
    ComboBox cboStopBits; // stop bits
};

// Refills the five boxes from the port number and the settings string as the port reports
// it ("9600,n,8,1"). The fields are taken by their positions from the end of the string, and
// the parity letter is matched in lower case only, as the port reads it back.
void LoadPropertySettings(SerialSettingsForm& form, int commPort, const std::string& settings);

// The port number chosen in the dialog: selected position + 1, 0 when nothing is selected.
int SelectedCommPort(const SerialSettingsForm& form);

// Trimmed speed, first character of the parity text, trimmed data bits and stop bits,
// joined by commas: "9600", "None", "8", "1" give "9600,N,8,1".
std::string ComposeSettings(const SerialSettingsForm& form);

} // namespace orvane
