#pragma once
// The main window's menu tree and the list's context menu. Every entry carries its control
// name as object name; the window connects the entries to their procedures.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace orvane {

struct MainMenus {
    QMenu* mnufile = nullptr;
    QAction* mnuTarget = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuDisconnect = nullptr;
    QAction* mnuLanguage = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExportReportPdf = nullptr;
    QAction* mnuExportPicture = nullptr;
    QAction* mnuPrintSetup = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintReport = nullptr;
    QAction* mnuNewReport = nullptr;
    QAction* mnuExportToExcel = nullptr;
    QAction* mnuExportToWord = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuEdit = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuSelectAll = nullptr;

    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // Never in the menu bar: popped up over the record list.
    QMenu* mnuContextMenu = nullptr;
    QAction* mnuRecordOpen = nullptr;
    QAction* mnuRecordRename = nullptr;
    QAction* mnuRecordExportPdf = nullptr;
    QAction* mnuRecordDelete = nullptr;
};

// Fills `bar` with File, Edit and Help and builds the context menu as a child of `owner`.
MainMenus BuildMainMenus(QMenuBar* bar, QWidget* owner);

} // namespace orvane
