#include "ui/about_dialog.h"

#include "platform/cp1252.h"
#include "ui/icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

namespace orvane {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), lblTitle_(new QLabel(this)), lblVersion_(new QLabel(this)),
      label1_(new QLabel(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About Kavrel"));
    setModal(false);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setPixmap(LogoPixmap(64));
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* command1 = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::hide);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle_, 0, 1);
    grid->addWidget(lblVersion_, 1, 1);
    grid->addWidget(label1_, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::Form_Load(const std::string& title, const std::string& version,
                            const std::string& support) {
    lblVersion_->setText(FromCp1252(version));
    lblTitle_->setText(FromCp1252(title));
    // The support text breaks its lines with CR LF; the label wants plain line feeds.
    label1_->setText(FromCp1252(support).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Filled first, so that the box is centred over the window at its final size.
    adjustSize();
    show();
    raise();
    activateWindow();
}

} // namespace orvane
