#include "ui/qt_dialogs.h"

#include "platform/cp1252.h"

#include <QMessageBox>

namespace orvane {
namespace {

const QString Title = QStringLiteral("Orvane Reporter");

} // namespace

void QtDialogs::Message(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, Title, FromCp1252(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::Confirm(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, Title, FromCp1252(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace orvane
