#include "ui/dialogs/wiring_diagram.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace ui {

QDialog *showWiringDiagram(QWidget *parent, const std::string &path)
{
    if (path.empty())
        return nullptr;
    const QString file = QString::fromStdString(path);
    const QPixmap picture(file);
    if (picture.isNull()) {
        showMessage(parent, util::msg::kNoFileName);
        return nullptr;
    }
    auto *window = new QDialog(parent);
    window->setObjectName(QStringLiteral("wiringDiagram"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QCoreApplication::translate("ui::CPlcTypeDialog", "결선도 - %1")
                                   .arg(QFileInfo(file).fileName()));
    auto *label = new QLabel(window);
    label->setObjectName(QStringLiteral("wiringPicture"));
    label->setPixmap(picture);
    label->setAccessibleName(QFileInfo(file).fileName());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(label);
    layout->addWidget(buttons);
    window->show();
    return window;
}

} // namespace ui
