#include "ui/application.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, "Orvane Reporter",
                             "The main window is not built yet; only the core is.");
    return 0;
}

} // namespace orvane
