// The main window's menu tree, context menu, toolbar and start state.

#include "window_fixture.h"

#include "ui/about_dialog.h"

#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

namespace orvane::window_testing {
namespace {

// Captions of a menu's entries in order, "-" for a separator, with shortcuts after a tab.
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            entries << QStringLiteral("-");
            continue;
        }
        QString entry = action->text();
        if (!action->shortcut().isEmpty())
            entry += QLatin1Char('\t') + action->shortcut().toString();
        entries << entry;
    }
    return entries;
}

QStringList ObjectNames(const QMenu* menu) {
    QStringList names;
    for (const QAction* action : menu->actions())
        names << action->objectName();
    return names;
}

using MenuTest = WindowTest;

TEST_F(MenuTest, TheMenuBarHoldsFileEditAndHelpOnly) {
    MainWindow& window = Started();
    QStringList menus;
    for (const QAction* action : window.menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Help"}));
    EXPECT_FALSE(window.menuBar()->actions().contains(window.Menus().mnuContextMenu->menuAction()));
}

TEST_F(MenuTest, FileMenuEntriesInOrderWithTheirSeparators) {
    MainWindow& window = Started();
    EXPECT_EQ(Entries(window.Menus().mnufile),
              (QStringList{"&Target", "-", "Connect", "Disconnect", "-", "&Language", "-", "&Save",
                           "Save &As", "-", "Print Setup", "&Print", "-", "New Workspace", "-",
                           "Export to Excel", "Export to Word", "-", "&Exit"}));
    EXPECT_EQ(ObjectNames(window.Menus().mnufile),
              (QStringList{"mnuTarget", "mnuhy", "mnuConnect", "mnuDisconnect", "mnuhy11",
                           "mnuLanguage", "mnuhy12", "mnuSave", "mnuSaveAs", "mnuhy1",
                           "mnuPrintSetup", "mnuPrint", "mnuhy2", "mnuNewReport", "mnuhy3",
                           "mnuExportToExcel", "mnuExportToWord", "mnuhy4", "mnuExit"}));
}

TEST_F(MenuTest, EditMenuCarriesTheClipboardShortcuts) {
    MainWindow& window = Started();
    EXPECT_EQ(Entries(window.Menus().mnuEdit),
              (QStringList{"&Cut\tCtrl+X", "C&opy\tCtrl+C", "&Paste\tCtrl+V", "-", "Select All"}));
    EXPECT_EQ(Entries(window.Menus().mnuHelp), (QStringList{"&About"}));
}

TEST_F(MenuTest, ContextMenuOffersOpenRenameDelete) {
    MainWindow& window = Started();
    EXPECT_EQ(Entries(window.Menus().mnuContextMenu),
              (QStringList{"Open", "-", "Rename", "-", "Delete"}));
    EXPECT_EQ(
        ObjectNames(window.Menus().mnuContextMenu),
        (QStringList{"mnuRecordOpen", "mnuhy8", "mnuRecordRename", "mnuhy9", "mnuRecordDelete"}));
}

TEST_F(MenuTest, ToolbarButtonsInTheirGroupsWithTooltips) {
    MainWindow& window = Started();
    QStringList keys;
    QStringList tooltips;
    for (const QAction* action : window.Toolbar1()->actions()) {
        keys << (action->isSeparator() ? QStringLiteral("|") : action->data().toString());
        if (!action->isSeparator())
            tooltips << action->toolTip();
    }
    EXPECT_EQ(keys.join(QLatin1Char(' ')),
              QStringLiteral("Target | Connect Disconnect | Save Print | Cut Copy Paste Clear | "
                             "New | EXCEL WORD | Help"));
    EXPECT_EQ(tooltips, (QStringList{"Select Target", "Connect", "Disconnect", "Save As", "Print",
                                     "Cut", "Copy", "Paste", "Clear Screen", "New Workspace",
                                     "Export to Excel", "Export to Word", "Help"}));
    for (const QAction* action : window.Toolbar1()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->data().toString().toStdString();
        }
    }
}

TEST_F(MenuTest, StartStateShowsTheTextViewAndTheLinkDown) {
    MainWindow& window = Started();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane Reporter"));
    EXPECT_EQ(window.StatusPanel(0)->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(window.StatusPanel(1)->text(), QStringLiteral("Serial Port : "));
    EXPECT_EQ(window.StatusPanel(2)->text(), QStringLiteral("Target:Vesk/VeskM"));
    EXPECT_EQ(window.Frame1()->title(), QStringLiteral("Record List"));
    EXPECT_EQ(window.Frame2()->title(), QStringLiteral("Report"));
    EXPECT_EQ(window.Frame3()->title(), QStringLiteral("User's Info."));
    EXPECT_TRUE(window.Frame2()->Text1()->isVisible());
    EXPECT_FALSE(window.Frame2()->Text2()->isVisible());
    EXPECT_FALSE(window.Frame2()->imgScreen()->isVisible());
    EXPECT_FALSE(window.Frame2()->scrGraphic()->isVisible());
    EXPECT_FALSE(window.ProgressBar1()->isVisible());
    EXPECT_EQ(window.List1()->count(), 0);
    EXPECT_EQ(window.Frame2()->Text1()->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(window.Frame3()->cmdOK()->text(), QStringLiteral("Save User's Info"));
    EXPECT_EQ(window.Frame3()->cmdCancel()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(std::filesystem::is_directory(DataPath("VESK")));
}

TEST_F(MenuTest, NothingOverlapsAtTheStartSize) {
    MainWindow& window = Started();
    QApplication::processEvents();
    const QRect view = window.Frame2()->geometry();
    const QRect list = window.Frame1()->geometry();
    const QRect header = window.Frame3()->geometry();
    EXPECT_FALSE(view.intersects(list));
    EXPECT_FALSE(view.intersects(header));
    EXPECT_FALSE(list.intersects(header));
    // The header's boxes and buttons keep their own room.
    const auto& boxes = window.Frame3()->Boxes();
    EXPECT_FALSE(boxes[2]->geometry().intersects(window.Frame3()->cmdOK()->geometry()));
    EXPECT_FALSE(boxes[0]->geometry().intersects(boxes[1]->geometry()));
}

TEST_F(MenuTest, WindowGrowsItsViewWhenResized) {
    MainWindow& window = Started();
    QApplication::processEvents();
    const int before = window.Frame2()->Text1()->width();
    window.resize(window.width() + 300, window.height() + 200);
    QApplication::processEvents();
    EXPECT_GT(window.Frame2()->Text1()->width(), before);
    EXPECT_FALSE(window.Frame2()->geometry().intersects(window.Frame1()->geometry()));
}

} // namespace
} // namespace orvane::window_testing
