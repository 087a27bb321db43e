// The target dialog (refused while connected, switching layout and directory) and the
// language dialog (header labels both ways).

#include "window_fixture.h"

#include <QLabel>
#include <QRadioButton>

namespace orvane::window_testing {
namespace {

using TargetTest = WindowTest;

void ChooseTarget(MainWindow& window, int option) {
    window.Menus().mnuTarget->trigger();
    ASSERT_TRUE(window.Form4()->isVisible());
    window.Form4()->Option(option)->setChecked(true);
    window.Form4()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

TEST_F(TargetTest, DialogListsTheFamiliesInTheirOrderWithTheCurrentOneSelected) {
    MainWindow& window = Started();
    EXPECT_EQ(window.Form4()->windowTitle(), QStringLiteral("Target"));
    EXPECT_EQ(window.Form4()->Option(0)->text(), QStringLiteral("Orvane Tarn/TarnX"));
    EXPECT_EQ(window.Form4()->Option(1)->text(), QStringLiteral("Orvane VeskM/Vesk"));
    EXPECT_EQ(window.Form4()->Option(2)->text(), QStringLiteral("Orvane Oru/Oru-c"));
    EXPECT_TRUE(window.Form4()->Option(1)->isChecked());
    EXPECT_FALSE(window.Form4()->isVisible());
}

TEST_F(TargetTest, RefusedWhileConnectedFromMenuAndToolbar) {
    MainWindow& window = Started();
    Connect(window);
    window.Menus().mnuTarget->trigger();
    window.Toolbar1_ButtonClick(QStringLiteral("Target"));
    EXPECT_EQ(run->dialogs.messages,
              (std::vector<std::string>{"Disconnect first!", "Disconnect first!"}));
    EXPECT_FALSE(window.Form4()->isVisible());
    EXPECT_EQ(window.StatusPanel(2)->text(), QStringLiteral("Target:Vesk/VeskM"));
}

TEST_F(TargetTest, TarnSwitchesToTheTextLayoutAndItsDirectory) {
    MainWindow& window = Started();
    ChooseTarget(window, 0);
    EXPECT_FALSE(window.Form4()->isVisible());
    EXPECT_EQ(window.StatusPanel(2)->text(), QStringLiteral("Target:Tarn/TarnX"));
    EXPECT_TRUE(std::filesystem::is_directory(DataPath("TARN")));
    EXPECT_TRUE(window.Frame2()->Text1()->isVisible());
    EXPECT_FALSE(window.Frame2()->imgScreen()->isVisible());
    EXPECT_EQ(run->ws.TargetDir, "TARN");
    EXPECT_EQ(run->port.inputMode, InputMode::Text);
}

TEST_F(TargetTest, OruSwitchesToThePictureLayoutAndBackToTarn) {
    MainWindow& window = Started();
    run->win.Text1.Set("OLD SCREEN");
    window.Render();
    ChooseTarget(window, 2);
    EXPECT_EQ(window.StatusPanel(2)->text(), QStringLiteral("Target:Oru/Oru-c"));
    EXPECT_TRUE(std::filesystem::is_directory(DataPath("ORU")));
    EXPECT_FALSE(window.Frame2()->Text1()->isVisible());
    EXPECT_TRUE(window.Frame2()->imgScreen()->isVisible());
    EXPECT_TRUE(window.Frame2()->scrGraphic()->isVisible());
    EXPECT_EQ(window.Frame2()->title(), QStringLiteral("Screen"));
    EXPECT_EQ(window.Frame1()->title(), QStringLiteral("Record List"));
    EXPECT_TRUE(window.Frame2()->Text1()->toPlainText().isEmpty());
    EXPECT_EQ(run->port.inputMode, InputMode::Binary);

    ChooseTarget(window, 0);
    EXPECT_TRUE(window.Frame2()->Text1()->isVisible());
    EXPECT_FALSE(window.Frame2()->imgScreen()->isVisible());
    EXPECT_FALSE(window.Frame2()->scrGraphic()->isVisible());
    EXPECT_EQ(window.Frame2()->title(), QStringLiteral("Report"));
}

TEST_F(TargetTest, CancelChangesNothingAndTheDialogKeepsItsChoice) {
    MainWindow& window = Started();
    window.Menus().mnuTarget->trigger();
    window.Form4()->Option(2)->setChecked(true);
    window.Form4()->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_FALSE(window.Form4()->isVisible());
    EXPECT_EQ(window.StatusPanel(2)->text(), QStringLiteral("Target:Vesk/VeskM"));
    window.Menus().mnuTarget->trigger();
    EXPECT_TRUE(window.Form4()->Option(2)->isChecked());
}

using LanguageTest = WindowTest;

QStringList HeaderLabels(MainWindow& window) {
    QStringList labels;
    for (const QLabel* label : window.Frame3()->Labels())
        labels << label->text();
    return labels;
}

void ChooseLanguage(MainWindow& window, QRadioButton* (LanguageDialog::*option)() const) {
    window.Menus().mnuLanguage->trigger();
    ASSERT_NE(window.Form6(), nullptr);
    if (option)
        (window.Form6()->*option)()->setChecked(true);
    window.Form6()->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

TEST_F(LanguageTest, SwitchesTheHeaderLabelsToGermanAndBack) {
    MainWindow& window = Started();
    EXPECT_EQ(HeaderLabels(window),
              (QStringList{"Company", "Technician", "Ticket/Order", "Comments"}));
    ChooseLanguage(window, &LanguageDialog::Option2);
    EXPECT_EQ(HeaderLabels(window), (QStringList{"Firma", "Techniker", "Auftrag", "Kommentar"}));
    EXPECT_FALSE(window.Form6()->isVisible());
    ChooseLanguage(window, &LanguageDialog::Option1);
    EXPECT_EQ(HeaderLabels(window),
              (QStringList{"Company", "Technician", "Ticket/Order", "Comments"}));
    // Only the header labels change.
    EXPECT_EQ(window.Frame3()->title(), QStringLiteral("User's Info."));
    EXPECT_EQ(window.Menus().mnuNewReport->text(), QStringLiteral("New Workspace"));
}

TEST_F(LanguageTest, DialogHasNoCaptionAndStartsWithNeitherChoice) {
    MainWindow& window = Started();
    window.Menus().mnuLanguage->trigger();
    LanguageDialog* form6 = window.Form6();
    ASSERT_NE(form6, nullptr);
    EXPECT_TRUE(form6->windowTitle().isEmpty());
    EXPECT_FALSE(form6->Option1()->isChecked());
    EXPECT_FALSE(form6->Option2()->isChecked());
    form6->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(HeaderLabels(window),
              (QStringList{"Company", "Technician", "Ticket/Order", "Comments"}));
}

TEST_F(LanguageTest, TheLastChoiceStaysSelectedWhenReopened) {
    MainWindow& window = Started();
    ChooseLanguage(window, &LanguageDialog::Option2);
    window.Menus().mnuLanguage->trigger();
    EXPECT_TRUE(window.Form6()->Option2()->isChecked());
    window.Form6()->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_FALSE(window.Form6()->isVisible());
    EXPECT_EQ(HeaderLabels(window), (QStringList{"Firma", "Techniker", "Auftrag", "Kommentar"}));
}

} // namespace
} // namespace orvane::window_testing
