#include "ui/dialogs/comm_basic_dialog.h"

#include "ui/dialogs/sys_addr_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

QSpinBox *spin(QWidget *parent, int max)
{
    auto *box = new QSpinBox(parent);
    box->setRange(0, max);
    return box;
}

} // namespace

CCommBasicDialog::CCommBasicDialog(const core::CPlcSlots &plcSlots,
                                   const core::CLangInfo &languages, const core::ParamBlock &params,
                                   QWidget *parent)
    : CPresenterDialog(parent)
    , m_slots(plcSlots)
    , m_presenter(plcSlots, prompt(), languages, params)
{
    setWindowTitle(tr("파라미터 설정"));
    auto *layout = new QHBoxLayout;
    layout->addLayout(buildPanel());
    auto *links = new QVBoxLayout;
    links->addWidget(buildLink(core::CPanelParams::kScreenChange, tr("온라인 화면전환(HMI<-PLC)")));
    links->addWidget(
            buildLink(core::CPanelParams::kScreenTransfer, tr("현재화면번호 전송(HMI->PLC)")));
    links->addStretch();
    layout->addLayout(links);
    setContent(layout);
    refreshView();
}

QLayout *CCommBasicDialog::buildPanel()
{
    auto *form = new QFormLayout;
    m_initial = spin(this, 999);
    form->addRow(tr("초기화면 번호(&I):"), m_initial);

    m_saverOn = new QCheckBox(tr("화면 보호기(&V)"), this);
    m_saverWait = spin(this, 65535);
    m_saverWait->setSuffix(tr(" 분"));
    m_saverScreen = spin(this, 999);
    form->addRow(m_saverOn);
    form->addRow(tr("대기시간(&W):"), m_saverWait);
    form->addRow(tr("전환화면(&C):"), m_saverScreen);

    m_backlightOn = new QCheckBox(tr("백라이트 꺼짐(&K)"), this);
    m_backlightWait = spin(this, 65535);
    m_backlightWait->setSuffix(tr(" 분"));
    form->addRow(m_backlightOn);
    auto *backlightLabel = new QLabel(tr("대기시간:"), this);
    backlightLabel->setBuddy(m_backlightWait);
    m_backlightWait->setAccessibleName(tr("백라이트 대기시간"));
    form->addRow(backlightLabel, m_backlightWait);

    m_language = new QComboBox(this);
    for (const std::string &name : m_presenter.Languages())
        m_language->addItem(QString::fromStdString(name));
    form->addRow(tr("Velmar Panel  메뉴(&M):"), m_language);

    m_latchOn = new QCheckBox(tr("래치(&L)"), this);
    // Beyond 999 on purpose: OK names the range rather than the box clamping silently.
    m_latchStart = spin(this, 65535);
    m_latchEnd = spin(this, 65535);
    form->addRow(m_latchOn);
    form->addRow(tr("시작주소(&S):"), m_latchStart);
    form->addRow(tr("끝주소(&E):"), m_latchEnd);

    auto &p = m_presenter;
    connect(m_initial, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.initialScreen = std::uint16_t(v); }); });
    connect(m_saverOn, &QCheckBox::toggled, this,
            [this, &p](bool on) { forward([&] { p.saverOn = on; }); });
    connect(m_saverWait, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.saverWait = std::uint16_t(v); }); });
    connect(m_saverScreen, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.saverScreen = std::uint16_t(v); }); });
    connect(m_backlightOn, &QCheckBox::toggled, this,
            [this, &p](bool on) { forward([&] { p.backlightOn = on; }); });
    connect(m_backlightWait, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.backlightWait = std::uint16_t(v); }); });
    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SelectLanguage(i); }); });
    connect(m_latchOn, &QCheckBox::toggled, this,
            [this, &p](bool on) { forward([&] { p.latchOn = on; }); });
    connect(m_latchStart, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.latchStart = std::uint32_t(v); }); });
    connect(m_latchEnd, &QSpinBox::valueChanged, this,
            [this, &p](int v) { forward([&] { p.latchEnd = std::uint32_t(v); }); });
    return form;
}

QWidget *CCommBasicDialog::buildLink(int group, const QString &title)
{
    auto *box = new QGroupBox(this);
    LinkWidgets &w = m_links.at(std::size_t(group));
    w.on = new QCheckBox(title, box);
    w.device = new QButtonGroup(this);
    auto *radios = new QHBoxLayout;
    const char *names[] = {"S", "Ch1", "Ch2"};
    for (int device = 0; device < 3; ++device) {
        auto *radio = new QRadioButton(QString::fromLatin1(names[device]), box);
        w.device->addButton(radio, device);
        radios->addWidget(radio);
    }
    radios->addStretch();
    w.station = new QComboBox(box);
    for (int s = 0; s < core::CCommBasicDlg::kStationCount; ++s)
        w.station->addItem(QString::number(s));
    w.address = new QLineEdit(box);
    w.address->setReadOnly(true);
    w.browse = new QPushButton(QStringLiteral("..."), box);
    w.browse->setAccessibleName(tr("주소 입력"));

    auto *grid = new QGridLayout(box);
    grid->addWidget(w.on, 0, 0, 1, 3);
    grid->addLayout(radios, 1, 0, 1, 3);
    auto *stationLabel = new QLabel(tr("국  번:"), box);
    stationLabel->setBuddy(w.station);
    grid->addWidget(stationLabel, 2, 0);
    grid->addWidget(w.station, 2, 1, 1, 2);
    auto *addressLabel = new QLabel(tr("주소값:"), box);
    addressLabel->setBuddy(w.address);
    grid->addWidget(addressLabel, 3, 0);
    grid->addWidget(w.address, 3, 1);
    grid->addWidget(w.browse, 3, 2);
    // Both links have the same labels: the group's title tells them apart.
    w.station->setAccessibleName(title + QLatin1Char(' ') + stationLabel->text());
    w.address->setAccessibleName(title + QLatin1Char(' ') + addressLabel->text());

    connect(w.on, &QCheckBox::toggled, this,
            [this, group](bool on) { forward([&] { m_presenter.SetGroupOn(group, on); }); });
    connect(w.device, &QButtonGroup::idClicked, this, [this, group](int device) {
        forward([&] { m_presenter.ChooseDevice(group, std::uint16_t(device)); });
    });
    connect(w.station, &QComboBox::currentIndexChanged, this, [this, group](int i) {
        forward([&] { m_presenter.SetStation(group, std::uint16_t(i)); });
    });
    connect(w.browse, &QPushButton::clicked, this, [this, group] { editAddress(group); });
    return box;
}

void CCommBasicDialog::editAddress(int group)
{
    std::string area = m_presenter.GroupArea(group);
    std::string number = m_presenter.GroupNumber(group);
    if (!editDeviceAddress(this, m_slots, m_presenter.GroupDevice(group), core::kAddrWord,
                           core::CCommBasicDlg::GroupWrites(group), area, number))
        return;
    m_presenter.SetGroupAddress(group, area, number);
    refreshView();
}

void CCommBasicDialog::refresh()
{
    const core::CCommBasicDlg &p = m_presenter;
    m_initial->setValue(p.initialScreen);
    m_saverOn->setChecked(p.saverOn);
    m_saverWait->setValue(p.saverWait);
    m_saverWait->setEnabled(p.saverOn);
    m_saverScreen->setValue(p.saverScreen);
    m_saverScreen->setEnabled(p.saverOn);
    m_backlightOn->setChecked(p.backlightOn);
    m_backlightWait->setValue(p.backlightWait);
    m_backlightWait->setEnabled(p.backlightOn);
    m_language->setCurrentIndex(p.LanguageIndex());
    m_latchOn->setChecked(p.latchOn);
    m_latchStart->setValue(int(p.latchStart));
    m_latchEnd->setValue(int(p.latchEnd));
    for (int group = 0; group < int(m_links.size()); ++group) {
        const LinkWidgets &w = m_links.at(std::size_t(group));
        const bool on = p.GroupOn(group);
        w.on->setChecked(on);
        for (int device = 0; device < 3; ++device) {
            QAbstractButton *radio = w.device->button(device);
            radio->setEnabled(on && p.DeviceEnabled(device));
            radio->setChecked(p.GroupDevice(group) == device);
        }
        w.station->setCurrentIndex(p.GroupStation(group));
        w.station->setEnabled(on && p.GroupDevice(group) != 0);
        w.address->setText(QString::fromStdString(p.GroupText(group)));
        w.browse->setEnabled(on);
    }
}

bool CCommBasicDialog::acceptChanges()
{
    // A value still being typed counts.
    for (QSpinBox *box :
         {m_initial, m_saverWait, m_saverScreen, m_backlightWait, m_latchStart, m_latchEnd})
        box->interpretText();
    return m_presenter.Ok();
}

} // namespace ui
