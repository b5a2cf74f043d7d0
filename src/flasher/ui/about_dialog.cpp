#include "about_dialog.h"

#include "flash_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quillet {

CAboutDialog::CAboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(kAboutCaption.data(), kAboutCaption.size()));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QString::fromUtf8(kAboutText.data(), kAboutText.size()), this);
    label->setObjectName(QStringLiteral("aboutText"));
    layout->addWidget(label);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace quillet
