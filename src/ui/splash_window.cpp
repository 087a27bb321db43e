#include "ui/splash_window.h"

#include "ui/icons.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {
namespace {

constexpr int SplashMilliseconds = 3000;

QLabel* MakeLabel(const char* name, const QString& text, int pointSizeDelta, bool bold,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

SplashWindow::SplashWindow(const QString& versionLabel, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), frame1_(new QFrame(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Orvane Reporter"));
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::Box);
    frame1_->installEventFilter(this);

    auto* imgLogo = new QLabel(frame1_);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(LogoPixmap(96));
    QLabel* lblCompanyProduct =
        MakeLabel("lblCompanyProduct", QStringLiteral("TALLBROOK INC."), 2, true, frame1_);
    QLabel* lblProductName =
        MakeLabel("lblProductName", QStringLiteral("Orvane Reporter"), 10, true, frame1_);
    lblProductName->setAutoFillBackground(true);
    QPalette grey = lblProductName->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    grey.setColor(QPalette::WindowText, Qt::black);
    lblProductName->setPalette(grey);
    lblProductName->setMargin(6);
    QLabel* lblVersion =
        MakeLabel("lblVersion", QStringLiteral("Version ") + versionLabel, 0, false, frame1_);
    QLabel* lblCompany =
        MakeLabel("lblCompany", QStringLiteral("Tallbrook Inc."), 0, false, frame1_);

    auto* grid = new QGridLayout(frame1_);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(24);
    grid->addWidget(lblCompanyProduct, 0, 0, 1, 2);
    grid->addWidget(imgLogo, 1, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblProductName, 1, 1);
    grid->addWidget(lblVersion, 2, 1, Qt::AlignRight);
    grid->addWidget(lblCompany, 3, 1, Qt::AlignRight | Qt::AlignBottom);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame1_);

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setSingleShot(true);
    timer1_.setInterval(SplashMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &SplashWindow::Dismiss);
    timer1_.start();
    setFocusPolicy(Qt::StrongFocus);

    adjustSize();
    move(screen()->availableGeometry().center() - rect().center());
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    Dismiss();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame1_ && event->type() == QEvent::MouseButtonPress)
        return true; // taken, so that the release comes to the frame as a click
    if (watched == frame1_ && event->type() == QEvent::MouseButtonRelease) {
        Dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::Dismiss() {
    if (finished_)
        return;
    finished_ = true;
    timer1_.stop();
    close();
    emit Finished();
}

} // namespace orvane
