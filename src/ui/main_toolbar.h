#pragma once
// Toolbar1: the command buttons, each identified by its key; a click reports the key.

#include <QString>
#include <QToolBar>

namespace orvane {

class MainToolbar final : public QToolBar {
    Q_OBJECT
  public:
    explicit MainToolbar(QWidget* parent = nullptr);

    // The button of `key` ("Target", "Connect", ... "Help"); nullptr for an unknown key.
    QAction* Button(const QString& key) const;

  signals:
    void ButtonClick(const QString& key);
};

} // namespace orvane
