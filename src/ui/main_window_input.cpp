// The user's own input on the list, the text views, the header boxes and the scroll bar.

#include "ui/main_window.h"

#include "platform/cp1252.h"
#include "workspace/index_file.h"
#include "workspace/report_commands.h"

#include <QStatusBar>

namespace orvane {
namespace {

// Edits reach the disk this long after the last keystroke.
constexpr int EditSaveDelayMs = 2000;
// How long the status bar shows a note.
constexpr int NoteMs = 5000;

MouseButton ToMouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::LeftButton:
        return MouseButton::Left;
    default:
        return MouseButton::Middle;
    }
}

} // namespace

void MainWindow::ConnectInput() {
    connect(list1_, &RecordListView::Click, this, &MainWindow::List1_Click);
    connect(list1_, &RecordListView::DblClick, this, &MainWindow::List1_DblClick);
    connect(list1_, &RecordListView::MouseUp, this, &MainWindow::List1_MouseUp);
    connect(list1_, &RecordListView::DeleteKey, this, &MainWindow::mnuRecordDelete_Click);
    connect(frame2_->Text1(), &TextBoxView::UserEdited, this, &MainWindow::Text1_Change);
    connect(frame2_->Text2(), &TextBoxView::UserEdited, this, &MainWindow::Text2_Change);
    connect(frame2_->scrGraphic(), &QScrollBar::valueChanged, this, &MainWindow::scrGraphic_Change);

    guard_ = new StorableTextGuard(this);
    connect(guard_, &StorableTextGuard::Refused, this, &MainWindow::ShowNotStorableNote);
    frame2_->Text1()->SetGuard(guard_);
    frame2_->Text2()->SetGuard(guard_);
    const auto& boxes = frame3_->Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setValidator(guard_);
        connect(boxes[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { ctx_.win.HeaderBox[i] = ToCp1252(text); });
    }
    connect(frame3_->cmdOK(), &QPushButton::clicked, this, [this] {
        cmdOK_Click(ctx_.ws, ctx_.win);
        SaveWorkspace();
        Render();
    });
    connect(frame3_->cmdCancel(), &QPushButton::clicked, this, [this] {
        cmdCancel_Click(ctx_.win);
        Render();
    });

    editSaveTimer_.setSingleShot(true);
    editSaveTimer_.setInterval(EditSaveDelayMs);
    connect(&editSaveTimer_, &QTimer::timeout, this, &MainWindow::SaveWorkspace);
}

void MainWindow::List1_Click(int line) {
    orvane::List1_Click(ctx_.ws, ctx_.win, line);
    Render();
}

void MainWindow::List1_DblClick(int line) {
    orvane::List1_DblClick(ctx_.ws, ctx_.win, line);
    Render();
}

void MainWindow::List1_MouseUp(Qt::MouseButton button, QPoint globalPosition) {
    const bool popUp =
        orvane::List1_MouseUp(ctx_.ws, ctx_.win, ctx_.services, devices_, ToMouseButton(button));
    Render();
    // Empty space below the lines has no menu.
    if (popUp && list1_->IsOverLine(globalPosition))
        menus_.mnuContextMenu->popup(globalPosition);
}

void MainWindow::Text1_Change(const TextBoxEdit& edit) {
    TextBoxView* text1 = frame2_->Text1();
    std::optional<std::string> text = text1->EditedText(ctx_.win.Text1, edit);
    if (!text)
        return;
    orvane::Text1_Change(ctx_.ws, ctx_.win, std::move(*text));
    text1->AcceptUserEdit(edit);
    ScheduleEditSave();
}

void MainWindow::Text2_Change(const TextBoxEdit& edit) {
    TextBoxView* text2 = frame2_->Text2();
    std::optional<std::string> text = text2->EditedText(ctx_.win.Text2, edit);
    if (!text)
        return;
    ctx_.win.Text2.text = std::move(*text);
    text2->AcceptUserEdit(edit);
}

void MainWindow::ShowNotStorableNote() {
    statusBar()->showMessage(QString::fromLatin1(NotStorableNote), NoteMs);
}

void MainWindow::scrGraphic_Change(int value) {
    frame2_->imgScreen()->SetOffset(-orvane::scrGraphic_Change(ctx_.win, value));
}

void MainWindow::ScheduleEditSave() {
    if (ctx_.ws.Dirty)
        editSaveTimer_.start();
}

} // namespace orvane
