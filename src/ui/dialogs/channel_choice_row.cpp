#include "ui/dialogs/channel_choice_row.h"

#include "ui/common/qt_prompt.h"
#include "ui/dialogs/comm_para_dialog.h"
#include "ui/dialogs/wiring_diagram.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

CChannelChoiceRow::CChannelChoiceRow(core::CChannelChoice &choice, QWidget *parent,
                                     QGridLayout *grid, int row)
    : QObject(parent)
    , m_choice(choice)
    , m_parent(parent)
{
    const int ch = choice.Channel();
    auto *label = new QLabel(
            tr("채널 %1 PLC %2(&%1):").arg(ch).arg(QLatin1String(choice.PortLabel())), parent);
    m_combo = new QComboBox(parent);
    m_combo->setObjectName(QStringLiteral("channel%1").arg(ch));
    for (const std::string &name : choice.Names())
        m_combo->addItem(QString::fromStdString(name));
    label->setBuddy(m_combo);
    m_settings = new QPushButton(tr("통신설정"), parent);
    m_settings->setObjectName(QStringLiteral("settings%1").arg(ch));
    m_wiring = new QPushButton(tr("결선도"), parent);
    m_wiring->setObjectName(QStringLiteral("wiring%1").arg(ch));
    // Two rows carry the same button texts: the channel tells them apart.
    m_settings->setAccessibleName(tr("채널 %1 통신설정").arg(ch));
    m_wiring->setAccessibleName(tr("채널 %1 결선도").arg(ch));
    grid->addWidget(label, row, 0);
    grid->addWidget(m_combo, row, 1);
    grid->addWidget(m_settings, row, 2);
    grid->addWidget(m_wiring, row, 3);

    connect(m_combo, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_choice.Select(i);
        refresh();
    });
    connect(m_settings, &QPushButton::clicked, this, &CChannelChoiceRow::editSettings);
    connect(m_wiring, &QPushButton::clicked, this, &CChannelChoiceRow::showWiring);
    refresh();
}

void CChannelChoiceRow::refresh()
{
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(m_choice.Selection());
    m_settings->setEnabled(m_choice.SettingsEnabled());
}

void CChannelChoiceRow::editSettings()
{
    if (!m_choice.SettingsEnabled())
        return;
    CCommParaDialog dialog(m_choice.Record(), false, m_parent);
    if (dialog.exec() == QDialog::Accepted)
        m_choice.AcceptSettings(dialog.presenter().Result());
}

void CChannelChoiceRow::showWiring()
{
    CQtPrompt prompt(m_parent);
    showWiringDiagram(m_parent, m_choice.WiringDiagram(prompt));
}

} // namespace ui
