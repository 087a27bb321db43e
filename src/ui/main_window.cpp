#include "ui/main_window.h"

#include "output/picture_document.h"
#include "ui/logic/target_selection.h"
#include "workspace/index_file.h"
#include "workspace/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace orvane {
namespace {

// Design sizes in pixels (twips / 15): the client area and the widths of the view and list
// frames, which share the upper part of the window in this proportion.
constexpr int ClientWidth = 839;
constexpr int ClientHeight = 571;
constexpr int ViewFrameWidth = 553;
constexpr int ListFrameWidth = 249;

} // namespace

MainWindow::MainWindow(WindowContext context, QWidget* parent)
    : QMainWindow(parent), ctx_(context), surfaces_{ctx_.imgScreen, ctx_.imgTemp},
      devices_{surfaces_, ctx_.clipboard,
               [this](const std::string& path) {
                   return Document_To_Picture(ctx_.services.files, path);
               }},
      printer_(std::make_unique<QPrinter>()) {
    setObjectName(QStringLiteral("Form1"));
    menus_ = BuildMainMenus(menuBar(), this);
    toolbar_ = new MainToolbar(this);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    BuildCentralArea();
    BuildStatusBar();

    form4_ = new TargetDialog(this);
    connect(form4_, &TargetDialog::Accepted, this, &MainWindow::Form4_cmdOK_Click);

    screenLoop_ = std::make_unique<ScreenLoop>(
        ctx_.ws, ctx_.win, ctx_.services, progress_,
        AcquisitionOutputs{ctx_.imgScreen, ctx_.imgTemp, ctx_.clipboard, ctx_.filer});
    screenLoop_->OnSavePoint([this] { SaveWorkspace(); });

    ConnectMenus();
    ConnectInput();
    ConnectTimers();
    // Ending the session quits the application without closing this window first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::ShutDown);
    // The design size, but never larger than the screen (a small one, or a large scale).
    QSize size(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildCentralArea() {
    auto* central = new QWidget(this);
    frame2_ = new ViewFrame(central);
    frame2_->imgScreen()->SetImage(&ctx_.imgTemp.Picture());

    frame1_ = new QGroupBox(central);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    list1_ = new RecordListView(frame1_);
    auto* listLayout = new QVBoxLayout(frame1_);
    listLayout->addWidget(list1_);

    frame3_ = new HeaderFrame(central);

    auto* upper = new QHBoxLayout;
    upper->addWidget(frame2_, ViewFrameWidth);
    upper->addWidget(frame1_, ListFrameWidth);
    auto* column = new QVBoxLayout(central);
    column->addLayout(upper, 1);
    column->addWidget(frame3_);
    setCentralWidget(central);
}

void MainWindow::BuildStatusBar() {
    QStatusBar* stsStatus = statusBar();
    stsStatus->setObjectName(QStringLiteral("stsStatus"));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(stsStatus);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        // Equal thirds whatever the texts say, so the panels never jump.
        panels_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        stsStatus->addWidget(panels_[i], 1);
    }
    progressBar1_ = new QProgressBar(stsStatus);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setTextVisible(false);
    progressBar1_->setMaximumWidth(160);
    progressBar1_->setAccessibleName(QStringLiteral("Progress"));
    // Its place is kept while it is hidden, so the panels keep their widths when it shows.
    QSizePolicy keepPlace = progressBar1_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    progressBar1_->setSizePolicy(keepPlace);
    progressBar1_->hide();
    stsStatus->addPermanentWidget(progressBar1_);
}

void MainWindow::Form_Load() {
    orvane::Form_Load(ctx_.ws, ctx_.win, ctx_.services, ctx_.settings, ctx_.port);
    loaded_ = true;
    if (const std::optional<int> option = TargetOption(ctx_.ws.TypeOfTarget))
        form4_->SelectOption(*option);
    Reset_Progress(progress_, ctx_.win);
    Render();
}

void MainWindow::SaveWorkspace() {
    Create_iniFile(ctx_.ws, ctx_.services);
}

void MainWindow::mnuExit_Click() {
    hide();
    ShutDown();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
}

void MainWindow::ShutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    editSaveTimer_.stop();
    renderTimer_.stop();
    timer1_.stop();
    // Quitting before the window was loaded (during the splash) must not replace the stored
    // settings with the port's defaults.
    if (loaded_) {
        // A picture being drawn and text held back are filed before the workspace is written.
        EndCapture();
        orvane::Form_Unload(ctx_.ws, ctx_.services, ctx_.settings, ctx_.port);
    }
    // The program ends with its main window; open dialogs go with it.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace orvane
