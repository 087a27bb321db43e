#pragma once
// frmSplash: the company, product and version shown while the program starts. It closes
// after three seconds, on any key or on a click on its frame, and then reports Finished
// exactly once.

#include <QFrame>
#include <QTimer>
#include <QWidget>

namespace orvane {

class SplashWindow final : public QWidget {
    Q_OBJECT
  public:
    // `versionLabel`: the version text shown after "Version ".
    explicit SplashWindow(const QString& versionLabel, QWidget* parent = nullptr);

  signals:
    void Finished();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Dismiss();

    QFrame* frame1_;
    QTimer timer1_{this};
    bool finished_ = false;
};

} // namespace orvane
