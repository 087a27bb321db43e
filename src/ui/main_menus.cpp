#include "ui/main_menus.h"

#include <QKeySequence>

namespace orvane {
namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainMenus BuildMainMenus(QMenuBar* bar, QWidget* owner) {
    MainMenus m;

    m.mnufile = AddMenu(bar, "mnufile", QStringLiteral("&File"));
    m.mnuTarget = AddEntry(m.mnufile, "mnuTarget", QStringLiteral("&Target"));
    AddSeparator(m.mnufile, "mnuhy");
    m.mnuConnect = AddEntry(m.mnufile, "mnuConnect", QStringLiteral("Connect"));
    m.mnuDisconnect = AddEntry(m.mnufile, "mnuDisconnect", QStringLiteral("Disconnect"));
    AddSeparator(m.mnufile, "mnuhy11");
    m.mnuLanguage = AddEntry(m.mnufile, "mnuLanguage", QStringLiteral("&Language"));
    AddSeparator(m.mnufile, "mnuhy12");
    m.mnuSave = AddEntry(m.mnufile, "mnuSave", QStringLiteral("&Save"));
    m.mnuSaveAs = AddEntry(m.mnufile, "mnuSaveAs", QStringLiteral("Save &As"));
    m.mnuExportReportPdf =
        AddEntry(m.mnufile, "mnuExportReportPdf", QStringLiteral("Export Report as P&DF..."));
    m.mnuExportPicture =
        AddEntry(m.mnufile, "mnuExportPicture", QStringLiteral("Export Picture..."));
    AddSeparator(m.mnufile, "mnuhy1");
    m.mnuPrintSetup = AddEntry(m.mnufile, "mnuPrintSetup", QStringLiteral("Print Setup"));
    m.mnuPrint = AddEntry(m.mnufile, "mnuPrint", QStringLiteral("&Print"));
    m.mnuPrintReport = AddEntry(m.mnufile, "mnuPrintReport", QStringLiteral("Print &Report..."));
    AddSeparator(m.mnufile, "mnuhy2");
    m.mnuNewReport = AddEntry(m.mnufile, "mnuNewReport", QStringLiteral("New Workspace"));
    AddSeparator(m.mnufile, "mnuhy3");
    m.mnuExportToExcel = AddEntry(m.mnufile, "mnuExportToExcel", QStringLiteral("Export to Excel"));
    m.mnuExportToWord = AddEntry(m.mnufile, "mnuExportToWord", QStringLiteral("Export to Word"));
    AddSeparator(m.mnufile, "mnuhy4");
    m.mnuExit = AddEntry(m.mnufile, "mnuExit", QStringLiteral("&Exit"));

    m.mnuEdit = AddMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    m.mnuCut = AddEntry(m.mnuEdit, "mnuCut", QStringLiteral("&Cut"));
    m.mnuCut->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    m.mnuCopy = AddEntry(m.mnuEdit, "mnuCopy", QStringLiteral("C&opy"));
    m.mnuCopy->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    m.mnuPaste = AddEntry(m.mnuEdit, "mnuPaste", QStringLiteral("&Paste"));
    m.mnuPaste->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    AddSeparator(m.mnuEdit, "mnuhy6");
    m.mnuSelectAll = AddEntry(m.mnuEdit, "mnuSelectAll", QStringLiteral("Select All"));

    m.mnuHelp = AddMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    m.mnuAbout = AddEntry(m.mnuHelp, "mnuAbout", QStringLiteral("&About"));

    m.mnuContextMenu = new QMenu(owner);
    m.mnuContextMenu->setObjectName(QStringLiteral("mnuContextMenu"));
    m.mnuRecordOpen = AddEntry(m.mnuContextMenu, "mnuRecordOpen", QStringLiteral("Open"));
    AddSeparator(m.mnuContextMenu, "mnuhy8");
    m.mnuRecordRename = AddEntry(m.mnuContextMenu, "mnuRecordRename", QStringLiteral("Rename"));
    m.mnuRecordExportPdf =
        AddEntry(m.mnuContextMenu, "mnuRecordExportPdf", QStringLiteral("Export Report as PDF..."));
    AddSeparator(m.mnuContextMenu, "mnuhy9");
    m.mnuRecordDelete = AddEntry(m.mnuContextMenu, "mnuRecordDelete", QStringLiteral("Delete"));

    return m;
}

} // namespace orvane
