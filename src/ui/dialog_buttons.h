#pragma once
// The "OK" / "Cancel" pair every dialog of the window carries.

#include <QDialogButtonBox>
#include <QPushButton>

namespace orvane {

struct DialogButtons {
    QDialogButtonBox* box;
    QPushButton* ok;     // object name cmdOK, the default button
    QPushButton* cancel; // object name cmdCancel
};

DialogButtons MakeOkCancelButtons(QWidget* dialog);

} // namespace orvane
