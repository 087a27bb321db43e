#include "serial/serial_settings.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The five boxes as "port|speed|parity (position)|data bits|stop bits".
std::string Boxes(const SerialSettingsForm& form) {
    return form.cboPort.text + "|" + form.CboSpeed.text + "|" + form.cboParity.text + " (" +
           std::to_string(form.cboParity.selected) + ")|" + form.CboDataBits.text + "|" +
           form.cboStopBits.text;
}

TEST(LoadPropertySettings, RefillsTheBoxesByPositionFromTheEndAndTheParityInLowerCase) {
    struct Row {
        int port;
        std::string settings, boxes;
        int selectedPort;
    };
    SerialSettingsForm form; // loaded again for every row, as the dialog is on every show
    for (const Row& row : {
             Row{1, "19200,n,8,1", "COM 1|19200|None (1)|8|1", 1},
             Row{3, "9600,e,7,2", "COM 3|9600|Even (0)|7|2", 3},
             Row{6, "9600,o,7,2", "COM 6|9600|Odd (2)|7|2", 6},
             Row{7, "9600,N,8,1", "|9600| (-1)|8|1", 0},
             Row{0, "9600,n,8,1", "|9600|None (1)|8|1", 0},
             // Two-character stop bits ("1.5") move every field one place.
             Row{1, "9600,n,8,1.5", "COM 1|9600,n| (-1)|1|5", 1},
             Row{1, "8,1", "COM 1|| (-1)|8|1", 1},
             Row{1, "", "COM 1|| (-1)||", 1},
         }) {
        LoadPropertySettings(form, row.port, row.settings);
        EXPECT_EQ(Boxes(form), row.boxes) << "port " << row.port << ", " << row.settings;
        EXPECT_EQ(SelectedCommPort(form), row.selectedPort);
    }
}

TEST(ComposeSettings, JoinsTrimmedFieldsAndTheParityInitialAsTyped) {
    for (const auto& [boxes, composed] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"9600", "None", "8", "1"}, "9600,N,8,1"},
             {{"  19200 ", "Even", " 7", "2  "}, "19200,E,7,2"},
             {{"9600", "none", "8", "1"}, "9600,n,8,1"},
             {{"9600", "", "8", "1"}, "9600,,8,1"},
         }) {
        SerialSettingsForm form;
        form.CboSpeed.text = boxes[0];
        form.cboParity.text = boxes[1];
        form.CboDataBits.text = boxes[2];
        form.cboStopBits.text = boxes[3];
        EXPECT_EQ(ComposeSettings(form), composed);
    }
}

} // namespace
} // namespace orvane
