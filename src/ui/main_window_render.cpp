// Rendering: the widgets follow the window state and the workspace.

#include "ui/main_window.h"

#include "platform/cp1252.h"

#include <QSignalBlocker>

namespace orvane {
namespace {

// Short enough to look live, long enough that a 38,400-baud stream renders a few hundred
// bytes at a time instead of one.
constexpr int RenderCoalesceMs = 45;

void SetTextIfChanged(QLabel* label, const std::string& text) {
    const QString shown = FromCp1252(text);
    if (label->text() != shown)
        label->setText(shown);
}

} // namespace

void MainWindow::ScheduleRender() {
    if (!renderTimer_.isActive())
        renderTimer_.start(RenderCoalesceMs);
}

void MainWindow::Render() {
    renderTimer_.stop();
    const WindowState& win = ctx_.win;
    const QString caption = FromCp1252(win.Caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    if (frame1_->title() != FromCp1252(win.Frame1Caption)) {
        frame1_->setTitle(FromCp1252(win.Frame1Caption));
        // A list does not take its name from its frame by itself; a screen reader needs it.
        list1_->setAccessibleName(FromCp1252(win.Frame1Caption));
    }
    if (frame2_->Caption() != FromCp1252(win.Frame2Caption))
        frame2_->SetCaption(FromCp1252(win.Frame2Caption));

    RenderText();
    RenderGraph();
    RenderHeader();
    list1_->Render(ctx_.ws, win.ListIndex);

    for (std::size_t i = 0; i < panels_.size(); ++i)
        SetTextIfChanged(panels_[i], win.StatusPanel[i]);
    progressBar1_->setVisible(win.ProgressVisible);
    progressBar1_->setValue(win.ProgressValue);
    SyncProgressTimers();
}

void MainWindow::RenderText() {
    // Content first, then visibility, so a box never shows stale text for a frame.
    frame2_->Text1()->Render(ctx_.win.Text1);
    frame2_->Text2()->Render(ctx_.win.Text2);
    frame2_->Text1()->setVisible(ctx_.win.Text1.visible);
    frame2_->Text2()->setVisible(ctx_.win.Text2.visible);
}

void MainWindow::RenderGraph() {
    WindowState& win = ctx_.win;
    QScrollBar* bar = frame2_->scrGraphic();
    {
        const QSignalBlocker blocker(bar);
        bar->setValue(win.scrGraphicValue);
    }
    GraphView* view = frame2_->imgScreen();
    // A value set by code moves the picture as a user's scrolling does.
    view->SetOffset(-orvane::scrGraphic_Change(win, win.scrGraphicValue));
    view->setVisible(win.imgScreenVisible);
    bar->setVisible(win.scrGraphicVisible);
    // The picture may have been drawn into since the last render.
    if (win.imgScreenVisible)
        view->update();
}

void MainWindow::RenderHeader() {
    const auto& labels = frame3_->Labels();
    const auto& boxes = frame3_->Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SetTextIfChanged(labels[i], ctx_.win.HeaderLabel[i]);
        const QString text = FromCp1252(ctx_.win.HeaderBox[i]);
        if (boxes[i]->text() != text)
            boxes[i]->setText(text);
    }
}

void MainWindow::SyncProgressTimers() {
    const auto sync = [](QTimer& timer, bool enabled) {
        if (enabled && !timer.isActive())
            timer.start();
        else if (!enabled && timer.isActive())
            timer.stop();
    };
    sync(tmrProgressBarCounter_, progress_.CounterTimerEnabled);
    sync(screenProgressBarCounter_, progress_.ScreenTimerEnabled);
    sync(graphProgressBarCounter_, progress_.GraphTimerEnabled);
}

} // namespace orvane
