// The record list under the keyboard and the mouse, and the window without a mouse: Tab reads
// the window in order, every dialog takes Enter and Escape, a screen reader finds every control.

#include "window_fixture.h"

#include "platform/cp1252.h"

#include <QAccessible>

#include <functional>

namespace orvane::ui_testing {
namespace {

// A started window listing two reports, the first holding two text records; all folded.
class KeyboardAccessTest : public WindowTest {
  protected:
    static inline const QString Report1 = "WORKSPACE_12052026-010000AM";
    static inline const QString Report2 = "WORKSPACE_12052026-020000AM";
    static inline const QString Record1 = "   RECORD:  12052026-010100AM";
    static inline const QString Record2 = "   RECORD:  12052026-010200AM";

    KeyboardAccessTest() : window(Started()) {
        r1 = AddReport(run->ws, run->win, Report1.toStdString());
        for (const auto& [text, stamp] : {std::pair{"LEVEL -12 dB", "12052026-010100AM"},
                                          std::pair{"LOSS 3 dB\r\nOK", "12052026-010200AM"}})
            AddRecord(run->ws, r1, KindRecord, text, stamp,
                      DataPath(run->ws.TargetDir + "/" + stamp + ".txt").string());
        r2 = AddReport(run->ws, run->win, Report2.toStdString());
        window.Render();
    }

    // Moves the list's current line to `line` with the arrow keys.
    void GoToLine(int line) {
        window.List1()->setFocus();
        QTest::keyClick(window.List1(), Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            QTest::keyClick(window.List1(), Qt::Key_Down);
    }

    MainWindow& window;
    int r1 = 0;
    int r2 = 0;
};

// Each gesture acts on its line: a key on the current line, a click on the line clicked.
TEST_F(KeyboardAccessTest, ListKeysDoWhatTheMouseDoes) {
    const QStringList all{Report1, Record1, Record2, Report2}, folded{Report1, Report2};
    const QString level = "LEVEL -12 dB", loss = "LOSS 3 dB\nOK";
    const auto key = [this](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        return [=, this](int line) {
            GoToLine(line);
            QTest::keyClick(window.List1(), pressed, modifiers);
        };
    };
    const auto click = [this](Qt::MouseButton button, bool twice = false) {
        return [=, this](int line) { ClickLine(window, line, button, twice); };
    };
    const auto twice = click(Qt::LeftButton, true);
    const struct {
        const char* what;
        int line;
        std::function<void(int)> gesture;
        QStringList lines;
        QString shown; // Text1 afterwards
        bool menu = false;
    } steps[] = {
        {"a click selects", 1, click(Qt::LeftButton), folded, ""},
        {"a double click unfolds a report", 0, twice, all, ""},
        {"Enter folds it", 0, key(Qt::Key_Return), folded, ""},
        {"Enter unfolds it", 0, key(Qt::Key_Return), all, ""},
        {"a double click opens a record", 1, twice, all, level},
        {"keypad Enter opens a record", 2, key(Qt::Key_Enter, Qt::KeypadModifier), all, loss},
        {"the Menu key opens the context menu", 1, key(Qt::Key_Menu), all, loss, true},
        {"Shift+F10 opens it too", 3, key(Qt::Key_F10, Qt::ShiftModifier), all, loss, true},
        {"a right click too", 2, click(Qt::RightButton), all, loss, true},
        {"Delete asks first and removes the line",
         1,
         key(Qt::Key_Delete),
         {Report1, Record2, Report2},
         loss},
        {"a double click folds a report", 0, twice, folded, loss},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const int before = window.List1()->count();
        step.gesture(step.line);
        if (window.List1()->count() >= before) { // unless the line is gone
            EXPECT_EQ(run->ws.ListSelection, step.line);
        }
        QMenu* menu = window.Menus().mnuContextMenu;
        EXPECT_EQ(menu->isVisible(), step.menu);
        if (menu->isVisible()) {
            EXPECT_TRUE(menu->geometry().contains(window.List1()->viewport()->mapToGlobal(
                window.List1()->visualItemRect(window.List1()->item(step.line)).center())));
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        EXPECT_EQ(ListLines(window), step.lines);
        EXPECT_EQ(window.Frame2()->Text1()->toPlainText(), step.shown);
    }
    EXPECT_EQ(run->dialogs.confirmations,
              std::vector<std::string>{"Are you sure you want to remove the Record?"});
    EXPECT_EQ(run->ws.RecordText[r1][1], "LOSS 3 dB\r\nOK") << "no key typed into the record";
    EXPECT_EQ(window.windowTitle(), "Kavrel::" + Report1);
    QWidget* viewport = window.List1()->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(4, viewport->height() - 4));
    EXPECT_FALSE(window.Menus().mnuContextMenu->isVisible()) << "empty space has no menu";
}

TEST_F(KeyboardAccessTest, TabReadsTheWindowInOrderAndTypesNothing) {
    // The text layout, then the picture layout, where the graph view takes the view's turn.
    for (const QString view : {"Text1", "imgScreen"}) {
        SCOPED_TRACE(view.toStdString());
        if (view == "imgScreen")
            ChooseTarget(window, 2);
        const QStringList order{view,    "List1", "Text3",     "Text4", "Text5",
                                "Text6", "cmdOK", "cmdCancel", view};
        window.Frame2()->findChild<QWidget*>(view)->setFocus();
        QStringList visited{view};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited << window.focusWidget()->objectName();
        }
        EXPECT_EQ(visited, order);
    }
    EXPECT_TRUE(run->win.Text1.text.empty());

    // The graph scrolls by keyboard as its scroll bar would.
    QScrollBar* bar = window.Frame2()->scrGraphic();
    QTest::keyClick(window.Frame2()->imgScreen(), Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->singleStep());
    EXPECT_EQ(window.Frame2()->imgScreen()->Offset(), bar->singleStep() / 10);
}

// Every dialog of the window, opened by its menu entry and then by its toolbar button if it
// has one: Escape cancels it, Enter presses its default button, OK.
TEST_F(KeyboardAccessTest, EveryDialogTakesEnterAndEscape) {
    const auto shown = [this] {
        for (QDialog* dialog : window.findChildren<QDialog*>())
            if (dialog->isVisible())
                return dialog;
        return static_cast<QDialog*>(nullptr);
    };
    GoToLine(1);
    const std::string munich = "M\xFCnchen S\xFC"
                               "d \x80"
                               "123"; // full length: no stamp
    const struct {
        QAction* MainMenus::*entry;
        const char* button;
        std::function<void()> choose;
        std::function<bool()> applied; // the choice reached the window; none: nothing to see
    } dialogs[] = {
        {&MainMenus::mnuLanguage, nullptr, [&] { window.Form6()->Option2()->setChecked(true); },
         [&] { return window.Frame3()->Labels()[0]->text() == "Firma"; }},
        {&MainMenus::mnuRecordRename, nullptr,
         [&] { Type(window.Form5()->findChild<QLineEdit*>("Text1"), FromCp1252(munich)); },
         [&] { return run->ws.ReportName[r2] == munich; }},
        // After Rename: the new family's own (empty) list replaces the one built here.
        {&MainMenus::mnuTarget, "Target", [&] { window.Form4()->Option(2)->setChecked(true); },
         [&] { return window.StatusPanel(2)->text() == "Target:Oru/Oru-c"; }},
        {&MainMenus::mnuAbout, "Help", [] {}, nullptr},
        {&MainMenus::mnuConnect, "Connect", [] {}, [&] { return run->ws.Connected; }},
        {&MainMenus::mnuPrintSetup, nullptr, [] {}, nullptr},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE((window.Menus().*d.entry)->text().toStdString());
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            if (key == Qt::Key_Return && d.button)
                window.Toolbar1()->Button(QString::fromLatin1(d.button))->trigger();
            else
                (window.Menus().*d.entry)->trigger();
            d.choose();
            QPointer<QDialog> dialog = shown();
            ASSERT_TRUE(dialog);
            const auto* ok = dialog->findChild<QPushButton*>(
                d.entry == &MainMenus::mnuAbout ? "Command1" : "cmdOK");
            ASSERT_TRUE(ok && ok->isDefault());
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog.data(), key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(!dialog || !dialog->isVisible());
            if (d.applied) {
                EXPECT_EQ(d.applied(), key == Qt::Key_Return);
            }
        }
    }
}

// A screen reader finds each control by its role and the name the user reads beside it.
TEST_F(KeyboardAccessTest, ScreenReaderFindsEveryControlByRoleAndName) {
    QAccessible::setActive(true);
    const auto find = [this](QAccessible::Role role, const QString& name) {
        std::function<QObject*(QAccessibleInterface*)> in = [&](QAccessibleInterface* node) {
            if (node && node->role() == role && node->text(QAccessible::Name) == name)
                return node->object();
            for (int i = 0; node && i < node->childCount(); ++i)
                if (QObject* found = in(node->child(i)))
                    return found;
            return static_cast<QObject*>(nullptr);
        };
        return in(QAccessible::queryAccessibleInterface(&window));
    };
    for (QAction* button : window.Toolbar1()->actions()) {
        if (!button->isSeparator()) {
            EXPECT_EQ(find(QAccessible::Button, button->toolTip()),
                      window.Toolbar1()->widgetForAction(button));
        }
    }
    ChooseLanguage(window, &LanguageDialog::Option2);
    const std::pair<QAccessible::Role, QString> roles[] = {
        {QAccessible::List, "Record List"},        {QAccessible::EditableText, "Report"},
        {QAccessible::EditableText, "Firma"},      {QAccessible::EditableText, "Kommentar"},
        {QAccessible::Button, "Save User's Info"}, {QAccessible::StaticText, "Target:Vesk/VeskM"}};
    const QObject* controls[] = {window.List1(),
                                 window.Frame2()->Text1(),
                                 window.Frame3()->Boxes()[0],
                                 window.Frame3()->Boxes()[3],
                                 window.Frame3()->cmdOK(),
                                 window.StatusPanel(2)};
    for (std::size_t i = 0; i < std::size(roles); ++i)
        EXPECT_EQ(find(roles[i].first, roles[i].second), controls[i])
            << roles[i].second.toStdString();
    // The text view is named by its frame's caption, whatever record it shows.
    GoToLine(0);
    QTest::keyClick(window.List1(), Qt::Key_Return);
    QTest::keyClick(window.List1(), Qt::Key_Down);
    QTest::keyClick(window.List1(), Qt::Key_Return);
    EXPECT_EQ(find(QAccessible::EditableText, Record1), window.Frame2()->Text1());
}

} // namespace
} // namespace orvane::ui_testing
