// The menu and toolbar commands of the main window and the results of its dialogs.

#include "ui/main_window.h"

#include "output/excel_export.h"
#include "output/save.h"
#include "output/word_export.h"
#include "platform/printing.h"
#include "serial/link.h"
#include "ui/logic/about_box.h"
#include "ui/logic/language.h"
#include "ui/logic/target_selection.h"
#include "ui/print_setup_dialog.h"
#include "ui/report_export.h"
#include "workspace/report_commands.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>

#include <map>

namespace orvane {
namespace {

void ShowDialog(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void MainWindow::ConnectMenus() {
    const auto on = [this](QAction* action, void (MainWindow::*command)()) {
        connect(action, &QAction::triggered, this, command);
    };
    on(menus_.mnuTarget, &MainWindow::mnuTarget_Click);
    on(menus_.mnuConnect, &MainWindow::mnuConnect_Click);
    on(menus_.mnuDisconnect, &MainWindow::mnuDisconnect_Click);
    on(menus_.mnuLanguage, &MainWindow::mnuLanguage_Click);
    connect(menus_.mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(false); });
    connect(menus_.mnuSaveAs, &QAction::triggered, this, [this] { mnuSave_Click(true); });
    on(menus_.mnuPrintSetup, &MainWindow::mnuPrintSetup_Click);
    on(menus_.mnuPrint, &MainWindow::mnuPrint_Click);
    on(menus_.mnuNewReport, &MainWindow::mnuNewReport_Click);
    on(menus_.mnuExportToExcel, &MainWindow::mnuExportToExcel_Click);
    on(menus_.mnuExportToWord, &MainWindow::mnuExportToWord_Click);
    on(menus_.mnuExit, &MainWindow::mnuExit_Click);
    on(menus_.mnuCut, &MainWindow::mnuCut_Click);
    on(menus_.mnuCopy, &MainWindow::mnuCopy_Click);
    on(menus_.mnuPaste, &MainWindow::mnuPaste_Click);
    on(menus_.mnuSelectAll, &MainWindow::mnuSelectAll_Click);
    on(menus_.mnuAbout, &MainWindow::mnuAbout_Click);
    on(menus_.mnuRecordOpen, &MainWindow::mnuRecordOpen_Click);
    on(menus_.mnuRecordRename, &MainWindow::mnuRecordRename_Click);
    on(menus_.mnuRecordDelete, &MainWindow::mnuRecordDelete_Click);
    connect(toolbar_, &MainToolbar::ButtonClick, this, &MainWindow::Toolbar1_ButtonClick);
    const auto exportPdf = [this] { ExportReportPdf(ctx_, this); };
    connect(menus_.mnuExportReportPdf, &QAction::triggered, this, exportPdf);
    connect(menus_.mnuRecordExportPdf, &QAction::triggered, this, exportPdf);
    connect(menus_.mnuExportPicture, &QAction::triggered, this,
            [this] { ExportPicture(ctx_, this); });
    connect(menus_.mnuPrintReport, &QAction::triggered, this,
            [this] { PrintReport(ctx_, *printer_, this); });
}

void MainWindow::Toolbar1_ButtonClick(const QString& key) {
    static const std::map<QString, void (MainWindow::*)()> commands{
        {QStringLiteral("Target"), &MainWindow::mnuTarget_Click},
        {QStringLiteral("Connect"), &MainWindow::mnuConnect_Click},
        {QStringLiteral("Disconnect"), &MainWindow::mnuDisconnect_Click},
        {QStringLiteral("Print"), &MainWindow::mnuPrint_Click},
        {QStringLiteral("Cut"), &MainWindow::mnuCut_Click},
        {QStringLiteral("Copy"), &MainWindow::mnuCopy_Click},
        {QStringLiteral("Paste"), &MainWindow::mnuPaste_Click},
        {QStringLiteral("Clear"), &MainWindow::Clear_Screen},
        {QStringLiteral("New"), &MainWindow::mnuNewReport_Click},
        {QStringLiteral("EXCEL"), &MainWindow::mnuExportToExcel_Click},
        {QStringLiteral("WORD"), &MainWindow::mnuExportToWord_Click},
        {QStringLiteral("Help"), &MainWindow::mnuAbout_Click},
    };
    // The "Save" button saves, although its tooltip reads "Save As".
    if (key == QStringLiteral("Save")) {
        mnuSave_Click(false);
        return;
    }
    if (const auto command = commands.find(key); command != commands.end())
        (this->*command->second)();
}

void MainWindow::mnuTarget_Click() {
    if (orvane::mnuTarget_Click(ctx_.ws, ctx_.services.dialogs))
        ShowDialog(form4_);
}

void MainWindow::Form4_cmdOK_Click(std::optional<int> option) {
    orvane::Form4_cmdOK_Click(ctx_.ws, ctx_.win, ctx_.services, ctx_.port, surfaces_, option);
    // A choice refused while connected is not left standing in the dialog.
    if (const std::optional<int> current = TargetOption(ctx_.ws.TypeOfTarget))
        form4_->SelectOption(*current);
    Render();
}

void MainWindow::mnuConnect_Click() {
    if (!form3_) {
        form3_ = new SerialSettingsDialog(
            ctx_.port.CommPort(), ctx_.port.Settings(),
            [this](const SerialSettingsForm& form) { return Form3_cmdOK_Click(form); }, this);
    }
    ShowDialog(form3_);
}

bool MainWindow::Form3_cmdOK_Click(const SerialSettingsForm& form) {
    // Bytes arriving while the workspace is loaded (a message of the loader runs the event
    // loop) wait, and go into the fresh run once the tables are whole.
    connecting_ = true;
    const ConnectResult result =
        orvane::Form3_cmdOK_Click(form, ctx_.port, ctx_.ws, ctx_.win, ctx_.services, *this);
    connecting_ = false;
    if (result.startAcquisition)
        screenLoop_->Start();
    if (result.connected && ctx_.port.InBufferCount() > 0)
        TakeWaitingBytes();
    Render();
    return result.connected;
}

void MainWindow::mnuDisconnect_Click() {
    orvane::mnuDisconnect_Click(ctx_.port, ctx_.ws, ctx_.win, ctx_.services, *this);
    Render();
}

void MainWindow::mnuLanguage_Click() {
    if (!form6_) {
        form6_ = new LanguageDialog(this);
        connect(form6_, &LanguageDialog::Accepted, this, &MainWindow::Form6_cmdOK_Click);
    }
    ShowDialog(form6_);
}

void MainWindow::Form6_cmdOK_Click(std::optional<int> language) {
    LanguageChoice choice = LanguageChoice::None;
    if (language == 1)
        choice = LanguageChoice::English;
    else if (language == 2)
        choice = LanguageChoice::German;
    orvane::Form6_cmdOK_Click(ctx_.ws, ctx_.win, choice);
    Render();
}

void MainWindow::mnuSave_Click(bool saveAs) {
    // Save sets the dialog's title; Save As shows whatever title was set last.
    if (!saveAs)
        saveDialogTitle_ = QStringLiteral("Save As");
    const QString chosen = QFileDialog::getSaveFileName(
        this, saveDialogTitle_, QFile::decodeName(QByteArray::fromStdString(ctx_.ws.SaveFolder)),
        QStringLiteral("*.*"), nullptr, QFileDialog::DontConfirmOverwrite);
    std::optional<std::string> path;
    if (!chosen.isEmpty())
        path = QFile::encodeName(chosen).toStdString();
    orvane::mnuSave_Click(ctx_.ws, ctx_.win, ctx_.services, ctx_.clipboard, ctx_.imgTemp, path);
    Render();
}

void MainWindow::mnuPrintSetup_Click() {
    auto* dialog = new PrintSetupDialog(*printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::mnuPrint_Click() {
    PrintShownRecord(*printer_, ctx_.win, ctx_.imgTemp.Picture(), ctx_.services.dialogs);
}

void MainWindow::mnuNewReport_Click() {
    if (orvane::mnuNewReport_Click(ctx_.ws, ctx_.win, ctx_.services))
        SaveWorkspace();
    Render();
}

void MainWindow::mnuExportToExcel_Click() {
    orvane::mnuExportToExcel_Click(ctx_.ws, ctx_.win, ctx_.services, ctx_.launcher);
}

void MainWindow::mnuExportToWord_Click() {
    orvane::mnuExportToWord_Click(ctx_.ws, ctx_.win, ctx_.services, ctx_.clipboard, ctx_.imgTemp,
                                  ctx_.launcher);
}

void MainWindow::mnuCut_Click() {
    ApplyEditOutcome(orvane::mnuCut_Click(ctx_.ws, ctx_.win, ctx_.clipboard, CurrentSelections()));
}

void MainWindow::mnuCopy_Click() {
    orvane::mnuCopy_Click(ctx_.win, ctx_.clipboard, CurrentSelections());
}

void MainWindow::mnuPaste_Click() {
    const bool textShown = ctx_.win.Text1.visible || ctx_.win.Text2.visible;
    if (textShown && !guard_->Admits(QGuiApplication::clipboard()->text()))
        return;
    ApplyEditOutcome(
        orvane::mnuPaste_Click(ctx_.ws, ctx_.win, ctx_.clipboard, CurrentSelections()));
}

void MainWindow::mnuSelectAll_Click() {
    ApplyEditOutcome(orvane::mnuSelectAll_Click(ctx_.win));
}

void MainWindow::Clear_Screen() {
    orvane::Clear_Screen(ctx_.ws, ctx_.win);
    ScheduleEditSave();
    Render();
}

Selections MainWindow::CurrentSelections() const {
    return {frame2_->Text1()->ByteSelection(ctx_.win.Text1.text),
            frame2_->Text2()->ByteSelection(ctx_.win.Text2.text)};
}

void MainWindow::ApplyEditOutcome(const EditOutcome& outcome) {
    ScheduleEditSave();
    Render();
    TextBoxView* box = nullptr;
    const std::string* text = nullptr;
    if (outcome.box == TextBoxId::Text1) {
        box = frame2_->Text1();
        text = &ctx_.win.Text1.text;
    } else if (outcome.box == TextBoxId::Text2) {
        box = frame2_->Text2();
        text = &ctx_.win.Text2.text;
    }
    if (!box)
        return;
    box->SelectBytes(*text, outcome.selection);
    box->setFocus();
}

void MainWindow::mnuAbout_Click() {
    if (!form2_)
        form2_ = new AboutDialog(this);
    const AboutTexts texts = Form2_Load(ctx_.ws);
    form2_->Form_Load(texts.title, texts.version, texts.support);
}

void MainWindow::mnuRecordOpen_Click() {
    orvane::mnuRecordOpen_Click(ctx_.ws, ctx_.win, ctx_.services, devices_);
    Render();
}

void MainWindow::mnuRecordRename_Click() {
    if (!form5_) {
        form5_ = new RenameDialog(this);
        connect(form5_, &RenameDialog::Accepted, this, &MainWindow::Form5_cmdOK_Click);
    }
    form5_->Form_Load();
}

void MainWindow::Form5_cmdOK_Click() {
    orvane::Form5_cmdOK_Click(ctx_.ws, ctx_.win, ctx_.services, form5_->Name());
    SaveWorkspace();
    Render();
}

void MainWindow::mnuRecordDelete_Click() {
    orvane::mnuRecordDelete_Click(ctx_.ws, ctx_.win, ctx_.services, screenLoop_->LiveRecordPath());
    SaveWorkspace();
    Render();
}

} // namespace orvane
