#include "ui/dialogs/function_dialog_parts.h"

#include <QBoxLayout>

namespace ui {

QGroupBox *radioBox(const QString &title, const QStringList &texts, QButtonGroup *&group,
                    QWidget *parent, bool vertical)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout
            = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    group = new QButtonGroup(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto *radio = new QRadioButton(texts[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (!vertical)
        layout->addStretch();
    return box;
}

} // namespace ui
