#include "ui/qt_dialogs.h"

#include <QMessageBox>

namespace orvane {
namespace {

const QString Title = QStringLiteral("Orvane Reporter");

// Messages carry paths as the file system names them.
QString Shown(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void QtDialogs::Message(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, Title, Shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::Confirm(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, Title, Shown(text), QMessageBox::Ok | QMessageBox::Cancel,
                    parent_);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace orvane
