#include "serial/serial_settings.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

SerialSettingsForm Loaded(int port, const std::string& settings) {
    SerialSettingsForm form;
    LoadPropertySettings(form, port, settings);
    return form;
}

TEST(LoadPropertySettings, ReadsTheFieldsAsThePortReportsThem) {
    const SerialSettingsForm form = Loaded(1, "19200,n,8,1");
    EXPECT_EQ(form.CboSpeed.text, "19200");
    EXPECT_EQ(form.cboParity.text, "None");
    EXPECT_EQ(form.cboParity.selected, 1);
    EXPECT_EQ(form.CboDataBits.text, "8");
    EXPECT_EQ(form.cboStopBits.text, "1");
    EXPECT_EQ(form.cboPort.selected, 0);
    EXPECT_EQ(form.cboPort.text, "COM 1");
}

TEST(LoadPropertySettings, MatchesEachParityLetterInLowerCaseOnly) {
    EXPECT_EQ(Loaded(1, "9600,e,7,2").cboParity.text, "Even");
    EXPECT_EQ(Loaded(1, "9600,o,7,2").cboParity.text, "Odd");
    const SerialSettingsForm upper = Loaded(1, "9600,N,8,1");
    EXPECT_EQ(upper.cboParity.selected, -1);
    EXPECT_EQ(upper.cboParity.text, "");
}

TEST(LoadPropertySettings, SelectsThePortByItsNumber) {
    EXPECT_EQ(Loaded(3, "9600,n,8,1").cboPort.text, "COM 3");
    EXPECT_EQ(Loaded(6, "9600,n,8,1").cboPort.selected, 5);
    EXPECT_EQ(Loaded(7, "9600,n,8,1").cboPort.selected, -1);
    EXPECT_EQ(Loaded(0, "9600,n,8,1").cboPort.selected, -1);
}

TEST(LoadPropertySettings, RefillsTheBoxesOnEveryLoad) {
    SerialSettingsForm form = Loaded(2, "9600,e,7,2");
    LoadPropertySettings(form, 9, "9600,N,8,1");
    EXPECT_EQ(form.cboPort.selected, -1);
    EXPECT_EQ(form.cboPort.text, "");
    EXPECT_EQ(form.cboParity.text, "");
    EXPECT_EQ(form.cboPort.items.size(), 6u);
}

TEST(LoadPropertySettings, TakesFieldsByPositionSoWiderFieldsShiftThem) {
    // Two-character stop bits ("1.5") move every field one place.
    const SerialSettingsForm form = Loaded(1, "9600,n,8,1.5");
    EXPECT_EQ(form.CboSpeed.text, "9600,n");
    EXPECT_EQ(form.cboParity.selected, -1);
    EXPECT_EQ(form.CboDataBits.text, "1");
    EXPECT_EQ(form.cboStopBits.text, "5");
}

TEST(LoadPropertySettings, LeavesBoxesEmptyForAStringTooShortForThem) {
    const SerialSettingsForm empty = Loaded(1, "");
    EXPECT_EQ(empty.CboSpeed.text, "");
    EXPECT_EQ(empty.cboStopBits.text, "");
    const SerialSettingsForm shortOne = Loaded(1, "8,1");
    EXPECT_EQ(shortOne.CboSpeed.text, "");
    EXPECT_EQ(shortOne.cboParity.selected, -1);
    EXPECT_EQ(shortOne.CboDataBits.text, "8");
    EXPECT_EQ(shortOne.cboStopBits.text, "1");
}

TEST(ComposeSettings, JoinsTrimmedFieldsAndTheParityInitial) {
    SerialSettingsForm form = Loaded(1, "9600,n,8,1");
    EXPECT_EQ(ComposeSettings(form), "9600,N,8,1");
    form.CboSpeed.text = "  19200 ";
    form.CboDataBits.text = " 7";
    form.cboStopBits.text = "2  ";
    form.cboParity.text = "Even";
    EXPECT_EQ(ComposeSettings(form), "19200,E,7,2");
}

TEST(ComposeSettings, KeepsTheCaseOfATypedParity) {
    SerialSettingsForm form = Loaded(1, "9600,n,8,1");
    form.cboParity.text = "none";
    EXPECT_EQ(ComposeSettings(form), "9600,n,8,1");
}

TEST(ComposeSettings, LeavesAnEmptyFieldEmpty) {
    SerialSettingsForm form = Loaded(1, "9600,N,8,1"); // parity not recognised: box empty
    EXPECT_EQ(ComposeSettings(form), "9600,,8,1");
}

TEST(SelectedCommPort, IsThePositionPlusOneOrNoneWithoutSelection) {
    EXPECT_EQ(SelectedCommPort(Loaded(4, "9600,n,8,1")), 4);
    EXPECT_EQ(SelectedCommPort(Loaded(8, "9600,n,8,1")), 0);
}

} // namespace
} // namespace orvane
