#pragma once
// The "OK" / "Cancel" pair every dialog of the window carries.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <functional>

namespace orvane {

struct DialogButtons {
    QDialogButtonBox* box;
    QPushButton* ok;     // object name cmdOK, the default button
    QPushButton* cancel; // object name cmdCancel
};

DialogButtons MakeOkCancelButtons(QWidget* dialog);

// Lays out a dialog of option buttons in `frame` above OK and Cancel: OK runs `accept` and
// hides the dialog, Cancel only hides it. Hidden, never destroyed, so the choice stays.
void LayOutOptionDialog(QDialog* dialog, QWidget* frame, std::function<void()> accept);

} // namespace orvane
