// The target dialog (refused while connected, switching the layout, keeping its choice) and
// the language dialog (header labels both ways).

#include "window_fixture.h"

#include <QButtonGroup>
#include <QLabel>

namespace orvane::ui_testing {
namespace {

using TargetLanguageTest = WindowTest;

TEST_F(TargetLanguageTest, TargetIsRefusedWhileConnectedAndOkSwitchesTheLayout) {
    MainWindow& window = Started();
    Connect(window);
    window.Menus().mnuTarget->trigger();
    window.Toolbar1_ButtonClick("Target");
    EXPECT_EQ(run->dialogs.messages,
              (std::vector<std::string>{"Disconnect first!", "Disconnect first!"}));
    EXPECT_FALSE(window.Form4()->isVisible());

    window.Menus().mnuDisconnect->trigger();
    window.Menus().mnuTarget->trigger();
    window.Form4()->Option(2)->setChecked(true);
    Press(window.Form4(), "cmdCancel");
    EXPECT_EQ(window.StatusPanel(2)->text(), "Target:Vesk/VeskM");
    window.Menus().mnuTarget->trigger();
    EXPECT_TRUE(window.Form4()->Option(2)->isChecked()) << "the dialog keeps its choice";
    Press(window.Form4(), "cmdOK");
    EXPECT_FALSE(window.Form4()->isVisible());
    EXPECT_EQ(window.StatusPanel(2)->text(), "Target:Oru/Oru-c");
    EXPECT_TRUE(window.Frame2()->imgScreen()->isVisible() &&
                !window.Frame2()->Text1()->isVisible());
    ChooseTarget(window, 0);
    EXPECT_TRUE(window.Frame2()->Text1()->isVisible() &&
                !window.Frame2()->imgScreen()->isVisible());
}

TEST_F(TargetLanguageTest, LanguageSwitchesOnlyTheHeaderLabelsBothWays) {
    const QStringList english{"Company", "Technician", "Ticket/Order", "Comments"};
    const QStringList german{"Firma", "Techniker", "Auftrag", "Kommentar"};
    MainWindow& window = Started();
    window.Menus().mnuLanguage->trigger();
    LanguageDialog* form6 = window.Form6();
    EXPECT_FALSE(form6->Option1()->isChecked() || form6->Option2()->isChecked());
    Press(form6, "cmdOK");
    EXPECT_EQ(Texts(window.Frame3()->Labels()), english) << "neither chosen on first use";

    ChooseLanguage(window, &LanguageDialog::Option2);
    EXPECT_EQ(Texts(window.Frame3()->Labels()), german);
    EXPECT_EQ(window.Frame3()->title(), "User's Info.");
    window.Menus().mnuLanguage->trigger();
    EXPECT_TRUE(form6->Option2()->isChecked()) << "the last choice stays selected";
    Press(form6, "cmdCancel");
    EXPECT_EQ(Texts(window.Frame3()->Labels()), german);
    window.Menus().mnuLanguage->trigger();
    form6->Option2()->group()->setExclusive(false);
    form6->Option2()->setChecked(false);
    Press(form6, "cmdOK");
    EXPECT_EQ(Texts(window.Frame3()->Labels()), german) << "neither chosen keeps the language";
    ChooseLanguage(window, &LanguageDialog::Option1);
    EXPECT_EQ(Texts(window.Frame3()->Labels()), english);
}

} // namespace
} // namespace orvane::ui_testing
