// The capture side of the main window: the port's signals, the silence counter Timer1 and
// the progress display's timers.

#include "ui/main_window.h"

#include "serial/link.h"

namespace orvane {
namespace {

constexpr int Timer1IntervalMs = 500;

} // namespace

void MainWindow::ConnectTimers() {
    timer1_.setInterval(Timer1IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        // A Tarn/TarnX transmission ends with three seconds of silence: file it at once.
        if (Timer1_Timer(pushed_, ctx_.ws, ctx_.win))
            SaveWorkspace();
    });
    timer1_.start();

    tmrProgressBarCounter_.setInterval(ProgressCounterIntervalMs);
    screenProgressBarCounter_.setInterval(ScreenProgressIntervalMs);
    graphProgressBarCounter_.setInterval(GraphProgressIntervalMs);
    connect(&tmrProgressBarCounter_, &QTimer::timeout, this, [this] {
        orvane::tmrProgressBarCounter_Timer(progress_, ctx_.win);
        ScheduleRender();
    });
    connect(&screenProgressBarCounter_, &QTimer::timeout, this, [this] {
        orvane::screenProgressBarCounter_Timer(progress_, ctx_.win);
        ScheduleRender();
    });
    connect(&graphProgressBarCounter_, &QTimer::timeout, this, [this] {
        orvane::graphProgressBarCounter_Timer(progress_, ctx_.win);
        ScheduleRender();
    });

    renderTimer_.setSingleShot(true);
    connect(&renderTimer_, &QTimer::timeout, this, &MainWindow::Render);
}

void MainWindow::OnPortReadyRead() {
    // The bytes wait in the port until the fresh run can take them.
    if (connecting_)
        return;
    TakeWaitingBytes();
    ScheduleRender();
}

void MainWindow::TakeWaitingBytes() {
    if (ctx_.ws.TarnMode) {
        MSComm1_OnComm(pushed_, ctx_.ws, ctx_.win, ctx_.services, ctx_.port, *this,
                       CommEventReceive);
    } else if (ctx_.ws.VeskMode && screenLoop_->Running()) {
        screenLoop_->Feed(ctx_.port.Read(0));
    } else {
        // Nobody acquires now: what arrives is dropped, as the next run starts afresh anyway.
        ctx_.port.DiscardInput();
    }
}

void MainWindow::EndCapture() {
    if (ctx_.port.IsOpen() && ctx_.port.InBufferCount() > 0)
        TakeWaitingBytes();
    End_Transmission(pushed_, ctx_.ws, ctx_.win);
    screenLoop_->End();
}

void MainWindow::OnBreakReceived() {
    MSComm1_OnComm(pushed_, ctx_.ws, ctx_.win, ctx_.services, ctx_.port, *this, CommEventBreak);
    Render();
}

void MainWindow::OnLinkLost(const std::string& reason) {
    Link_Lost(ctx_.port, ctx_.ws, ctx_.win, ctx_.services, *this, reason);
    Render();
}

} // namespace orvane
