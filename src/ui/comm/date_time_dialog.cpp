#include "ui/comm/date_time_dialog.h"

#include "ui/comm/comm_notify_bridge.h"
#include "ui/comm/comm_text.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

comm::ClockTime clockOf(const QDate &date, const QTime &time)
{
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), 0};
}

} // namespace

CDateTimeDialog::CDateTimeDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(link)
    , m_ui(ui)
{
    setWindowTitle(tr("HMI 시계 설정"));
    build();
    showPcTime();
    refreshView();
}

void CDateTimeDialog::build()
{
    auto *layout = new QVBoxLayout;
    auto *clocks = new QFormLayout;
    m_pcClock = new QLineEdit(this);
    m_pcClock->setReadOnly(true);
    m_panelClock = new QLineEdit(this);
    m_panelClock->setReadOnly(true);
    // Room for the whole reading in the window's font.
    const int clockWidth
            = m_pcClock->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 Wed 00:00:00"))
            + 24;
    m_pcClock->setMinimumWidth(clockWidth);
    m_panelClock->setMinimumWidth(clockWidth);
    clocks->addRow(tr("PC 시계:"), m_pcClock);
    clocks->addRow(tr("HMI 시계:"), m_panelClock);
    layout->addLayout(clocks);

    auto *choice = new QGroupBox(this);
    auto *choiceLayout = new QVBoxLayout(choice);
    m_usePc = new QRadioButton(tr("PC 시계(&P)"), choice);
    m_useFields = new QRadioButton(tr("아래 설정값(&B)"), choice);
    choiceLayout->addWidget(m_usePc);
    choiceLayout->addWidget(m_useFields);
    auto *pickers = new QFormLayout;
    m_date = new QDateEdit(choice);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    m_time = new QTimeEdit(choice);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto *dateLabel = new QLabel(tr("날짜(&D):"), choice);
    dateLabel->setBuddy(m_date);
    auto *timeLabel = new QLabel(tr("시간(&M):"), choice);
    timeLabel->setBuddy(m_time);
    pickers->addRow(dateLabel, m_date);
    pickers->addRow(timeLabel, m_time);
    choiceLayout->addLayout(pickers);
    layout->addWidget(choice);
    setContent(layout);

    // "Set the time" acts; "OK" only closes the window.
    buttonBox()->clear();
    m_setTime = buttonBox()->addButton(tr("시간설정(&S)"), QDialogButtonBox::ActionRole);
    m_setTime->setAutoDefault(false);
    buttonBox()->addButton(tr("확인"), QDialogButtonBox::AcceptRole)->setDefault(true);

    const QDateTime now = QDateTime::currentDateTime();
    m_date->setDate(now.date());
    m_time->setTime(now.time());
    m_presenter.SetFields(clockOf(now.date(), now.time()));

    connect(m_usePc, &QRadioButton::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetUsePcClock(on); }); });
    connect(m_date, &QDateEdit::dateChanged, this, &CDateTimeDialog::fieldsChanged);
    connect(m_time, &QTimeEdit::timeChanged, this, &CDateTimeDialog::fieldsChanged);
    connect(m_setTime, &QPushButton::clicked, this, &CDateTimeDialog::setTime);

    m_pcTimer = new QTimer(this);
    m_pcTimer->setInterval(1000);
    connect(m_pcTimer, &QTimer::timeout, this, &CDateTimeDialog::showPcTime);
    m_pcTimer->start();

    m_bridge = new CCommNotifyBridge(
            [this](const comm::CommMessage &message) {
                if (m_presenter.OnMessage(message))
                    m_panelClock->setText(commText(m_presenter.PanelText()));
            },
            this);
}

void CDateTimeDialog::startReading()
{
    m_presenter.Open(m_bridge);
}

void CDateTimeDialog::showPcTime()
{
    m_pcClock->setText(commText(core::CDateTimeDlg::PcText(comm::localClockNow())));
}

void CDateTimeDialog::fieldsChanged()
{
    if (!refreshing())
        m_presenter.SetFields(clockOf(m_date->date(), m_time->time()));
}

void CDateTimeDialog::setTime()
{
    // Entries still being typed count.
    m_presenter.SetFields(clockOf(m_date->date(), m_time->time()));
    m_presenter.SetTime(m_ui);
}

void CDateTimeDialog::refresh()
{
    m_usePc->setChecked(m_presenter.UsePcClock());
    m_useFields->setChecked(!m_presenter.UsePcClock());
    m_date->setEnabled(m_presenter.PickersEnabled());
    m_time->setEnabled(m_presenter.PickersEnabled());
    m_panelClock->setText(commText(m_presenter.PanelText()));
}

void CDateTimeDialog::done(int result)
{
    // The worker stops before the window and its notify bridge can go.
    m_pcTimer->stop();
    m_presenter.Close();
    CPresenterDialog::done(result);
}

} // namespace ui
