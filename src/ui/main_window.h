#pragma once
// Form1, the main window: menus, toolbar, the view area, the record list, the report header
// and the status bar. It renders the window state after every event and hands the user's
// input to the procedures; the serial port's signals drive the capture.

#include "serial/link_capture.h"
#include "serial/progress_display.h"
#include "serial/pushed_text_capture.h"
#include "serial/screen_loop.h"
#include "serial/serial_settings.h"
#include "ui/about_dialog.h"
#include "ui/header_frame.h"
#include "ui/language_dialog.h"
#include "ui/logic/editing.h"
#include "ui/logic/record_viewer.h"
#include "ui/main_menus.h"
#include "ui/main_toolbar.h"
#include "ui/record_list_view.h"
#include "ui/rename_dialog.h"
#include "ui/serial_settings_dialog.h"
#include "ui/storable_text_guard.h"
#include "ui/target_dialog.h"
#include "ui/view_frame.h"
#include "ui/window_context.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QPrinter;

namespace orvane {

class MainWindow final : public QMainWindow, private LinkCapture {
    Q_OBJECT
  public:
    explicit MainWindow(WindowContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up procedure: stored settings, data directories, the empty workspace; then
    // the window shows its start state.
    void Form_Load();

    // Brings every widget in line with the window state and the workspace.
    void Render();

    // The serial port's signals.
    void OnPortReadyRead();
    void OnBreakReceived();
    void OnLinkLost(const std::string& reason);

    // Writes the workspace index and the record files.
    void SaveWorkspace();

    // Toolbar1_ButtonClick: runs the command of the button with `key`; other keys do nothing.
    void Toolbar1_ButtonClick(const QString& key);

    const MainMenus& Menus() const { return menus_; }
    MainToolbar* Toolbar1() const { return toolbar_; }
    ViewFrame* Frame2() const { return frame2_; }
    QGroupBox* Frame1() const { return frame1_; }
    RecordListView* List1() const { return list1_; }
    HeaderFrame* Frame3() const { return frame3_; }
    QLabel* StatusPanel(int panel) const { return panels_.at(static_cast<std::size_t>(panel)); }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    TargetDialog* Form4() const { return form4_; }
    // Dialogs made on first use; nullptr before.
    AboutDialog* Form2() const { return form2_; }
    SerialSettingsDialog* Form3() const { return form3_; }
    RenameDialog* Form5() const { return form5_; }
    LanguageDialog* Form6() const { return form6_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildCentralArea();
    void BuildStatusBar();
    void ConnectMenus();
    void ConnectInput();
    void ConnectTimers();

    // Hands what waits on the port to the capture of the target.
    void TakeWaitingBytes();
    // The pushed text's held-back tail and a picture cut short go into their records; what
    // was still waiting on the port is taken first.
    void EndCapture() override;

    // Rendering: at once after a user command, coalesced while a capture streams in.
    void ScheduleRender();
    void RenderText();
    void RenderGraph();
    void RenderHeader();
    void SyncProgressTimers();

    // Menu and toolbar commands.
    void mnuTarget_Click();
    void mnuConnect_Click();
    void mnuDisconnect_Click();
    void mnuLanguage_Click();
    void mnuSave_Click(bool saveAs);
    void mnuPrintSetup_Click();
    void mnuPrint_Click();
    void mnuNewReport_Click();
    void mnuExportToExcel_Click();
    void mnuExportToWord_Click();
    void mnuExit_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuSelectAll_Click();
    void Clear_Screen();
    void mnuAbout_Click();
    void mnuRecordOpen_Click();
    void mnuRecordRename_Click();
    void mnuRecordDelete_Click();

    // Dialog results.
    bool Form3_cmdOK_Click(const SerialSettingsForm& form);
    void Form4_cmdOK_Click(std::optional<int> option);
    void Form5_cmdOK_Click();
    void Form6_cmdOK_Click(std::optional<int> language);

    // The user's input on the list, the text views, the header and the scroll bar.
    void List1_Click(int line);
    void List1_DblClick(int line);
    void List1_MouseUp(Qt::MouseButton button, QPoint globalPosition);
    void Text1_Change(const TextBoxEdit& edit);
    void Text2_Change(const TextBoxEdit& edit);
    // A character the program cannot store was refused: a short note says why.
    void ShowNotStorableNote();
    void scrGraphic_Change(int value);

    // A text edit reaches the disk shortly after the last keystroke.
    void ScheduleEditSave();
    void ApplyEditOutcome(const EditOutcome& outcome);
    Selections CurrentSelections() const;

    void ShutDown();

    WindowContext ctx_;
    GraphSurfaces surfaces_;
    RecordViewDevices devices_;
    ProgressDisplay progress_;
    PushedTextState pushed_;
    std::unique_ptr<ScreenLoop> screenLoop_;
    std::unique_ptr<QPrinter> printer_;

    MainMenus menus_;
    MainToolbar* toolbar_ = nullptr;
    ViewFrame* frame2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    RecordListView* list1_ = nullptr;
    HeaderFrame* frame3_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QProgressBar* progressBar1_ = nullptr;

    TargetDialog* form4_ = nullptr;
    AboutDialog* form2_ = nullptr;
    QPointer<SerialSettingsDialog> form3_; // deleted when closed
    RenameDialog* form5_ = nullptr;
    LanguageDialog* form6_ = nullptr;

    StorableTextGuard* guard_ = nullptr; // refuses what cannot be stored in every text box

    QTimer timer1_;                   // 500 ms silence counter of the pushed-text capture
    QTimer tmrProgressBarCounter_;    // 100 ms
    QTimer screenProgressBarCounter_; // 2500 ms
    QTimer graphProgressBarCounter_;  // 12000 ms
    QTimer renderTimer_;              // coalesces renders while bytes stream in
    QTimer editSaveTimer_;            // writes edits ~2 s after the last keystroke

    QString saveDialogTitle_; // the Save dialog's title as last set (Save sets it)
    bool loaded_ = false;     // Form_Load has run
    bool connecting_ = false; // Connect is loading the workspace: arriving bytes wait
    bool shutDown_ = false;
};

} // namespace orvane
