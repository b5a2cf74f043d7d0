#include "ui/dialogs/addr_group_box.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/sys_addr_dialog.h"

#include "util/message_ids.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

CAddrGroupBox::CAddrGroupBox(const QString &title, const core::CPlcSlots &plcSlots,
                             core::CAddrGroup &group, bool mustWrite, bool withPanel,
                             QWidget *parent)
    : QGroupBox(title, parent)
    , m_slots(plcSlots)
    , m_group(group)
    , m_mustWrite(mustWrite)
    , m_withPanel(withPanel)
{
    m_group.SetPanelAllowed(withPanel);
    auto *grid = new QGridLayout(this);
    auto *radios = new QHBoxLayout;
    m_channels = new QButtonGroup(this);
    const char *names[] = {"S", "Ch1", "Ch2"};
    for (int ch = withPanel ? 0 : 1; ch < 3; ++ch) {
        auto *radio = new QRadioButton(QString::fromLatin1(names[ch]), this);
        radio->setAccessibleName(title + QLatin1Char(' ') + radio->text());
        m_channels->addButton(radio, ch);
        radios->addWidget(radio);
    }
    radios->addStretch();
    grid->addLayout(radios, 0, 0, 1, 3);

    m_station = new QComboBox(this);
    for (int s = 0; s < core::CAddrGroup::kStationCount; ++s)
        m_station->addItem(QString::number(s));
    auto *stationLabel = new QLabel(messageString(util::msg::kStationCaption), this);
    stationLabel->setBuddy(m_station);
    grid->addWidget(stationLabel, 1, 0);
    grid->addWidget(m_station, 1, 1);

    m_address = new QLineEdit(this);
    m_address->setReadOnly(true);
    auto *addressLabel = new QLabel(messageString(util::msg::kAddressCaption), this);
    addressLabel->setBuddy(m_address);
    m_browse = new QPushButton(tr("주소..."), this);
    m_browse->setAccessibleName(title + QLatin1Char(' ') + tr("주소..."));
    grid->addWidget(addressLabel, 2, 0);
    grid->addWidget(m_address, 2, 1);
    grid->addWidget(m_browse, 2, 2);
    grid->setColumnStretch(1, 1);

    connect(m_channels, &QButtonGroup::idClicked, this, [this](int ch) {
        if (m_refreshing)
            return;
        m_group.ChooseChannel(std::uint16_t(ch));
        refresh();
        emit changed();
    });
    connect(m_station, &QComboBox::currentIndexChanged, this, [this](int s) {
        if (m_refreshing)
            return;
        m_group.SetStation(std::uint16_t(s));
        emit changed();
    });
    connect(m_browse, &QPushButton::clicked, this, &CAddrGroupBox::browse);
    refresh();
}

QRadioButton *CAddrGroupBox::channelButton(int channel) const
{
    return qobject_cast<QRadioButton *>(m_channels->button(channel));
}

QWidget *CAddrGroupBox::firstInput() const
{
    return channelButton(m_withPanel ? 0 : 1);
}

void CAddrGroupBox::browse()
{
    std::string area = m_group.Addr().area;
    std::string number = m_group.Addr().number;
    if (!editDeviceAddress(this, m_slots, m_group.Addr().channel, m_group.Kind(), m_mustWrite, area,
                           number))
        return;
    m_group.SetAddress(area, number);
    refresh();
    emit changed();
}

void CAddrGroupBox::refresh()
{
    m_refreshing = true;
    const bool enabled = m_group.Enabled();
    for (QAbstractButton *radio : m_channels->buttons()) {
        const int ch = m_channels->id(radio);
        radio->setEnabled(m_group.ChannelEnabled(std::uint16_t(ch)));
        radio->setChecked(m_group.Addr().channel == ch);
    }
    m_station->setEnabled(m_group.StationEnabled());
    m_station->setCurrentIndex(m_group.Addr().station);
    m_address->setEnabled(enabled);
    m_address->setText(QString::fromStdString(m_group.DisplayText()));
    m_browse->setEnabled(enabled);
    m_refreshing = false;
}

} // namespace ui
