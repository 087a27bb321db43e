#pragma once
// Message boxes of the running program, titled with the program's name.

#include "workspace/services.h"

#include <QPointer>
#include <QWidget>

namespace orvane {

class QtDialogs final : public Dialogs {
  public:
    // Boxes are centred over the main window once it is set.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(std::string_view text) override;
    bool Confirm(std::string_view text) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace orvane
