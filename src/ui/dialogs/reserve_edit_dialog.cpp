#include "ui/dialogs/reserve_edit_dialog.h"

#include "ui/dialogs/addr_group_box.h"
#include "ui/dialogs/function_dialog_parts.h"

#include "core/functions/reserve_record.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace ui {

CReserveEditDialog::CReserveEditDialog(const core::FunctionEnv &env,
                                       core::CReserveEditDlg &presenter, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(presenter)
{
    setWindowTitle(tr("예약 편집"));
    build(env);
    refreshView();
}

QWidget *CReserveEditDialog::buildRepeat()
{
    auto *box = new QGroupBox(tr("되풀이방법"), this);
    auto *outer = new QVBoxLayout(box);
    auto *radios = new QHBoxLayout;
    m_repeat = new QButtonGroup(box);
    const QString modes[] = {tr("1회(&S)"), tr("매일(&D)"), tr("매주(&W)"), tr("매월(&M)")};
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(modes[i], box);
        m_repeat->addButton(radio, i);
        radios->addWidget(radio);
    }
    radios->addStretch();
    outer->addLayout(radios);

    m_date = new QDateEdit(box);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_dateLabel = new QLabel(tr("다음 날짜에 실행"), box);
    m_dateLabel->setBuddy(m_date);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateLabel);
    dateRow->addWidget(m_date);
    dateRow->addStretch();
    outer->addLayout(dateRow);

    m_weekdayPanel = new QWidget(box);
    auto *weekRow = new QHBoxLayout(m_weekdayPanel);
    weekRow->setContentsMargins(0, 0, 0, 0);
    const QString names[] = {tr("일요일"), tr("월요일"), tr("화요일"), tr("수요일"),
                             tr("목요일"), tr("금요일"), tr("토요일")};
    for (int d = 0; d < core::CReserveEditDlg::kWeekdays; ++d) {
        m_weekdays[std::size_t(d)] = new QCheckBox(names[d], m_weekdayPanel);
        weekRow->addWidget(m_weekdays[std::size_t(d)]);
        connect(m_weekdays[std::size_t(d)], &QCheckBox::toggled, this, [this, d](bool on) {
            if (!refreshing())
                m_presenter.SetWeekday(d, on);
        });
    }
    outer->addWidget(m_weekdayPanel);

    m_day = new QLineEdit(box);
    m_day->setValidator(new QIntValidator(0, 99, m_day));
    m_day->setMaximumWidth(60);
    m_dayLabel = new QLabel(tr("매월 다음 날짜에 되풀이"), box);
    m_dayLabel->setBuddy(m_day);
    auto *dayRow = new QHBoxLayout;
    dayRow->addWidget(m_dayLabel);
    dayRow->addWidget(m_day);
    dayRow->addStretch();
    outer->addLayout(dayRow);

    connect(m_repeat, &QButtonGroup::idClicked, this,
            [this](int id) { forward([&] { m_presenter.SetRepeatMode(std::uint16_t(id)); }); });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { takeDateTime(); });
    connect(m_day, &QLineEdit::editingFinished, this, &CReserveEditDialog::takeDay);
    return box;
}

void CReserveEditDialog::build(const core::FunctionEnv &env)
{
    auto &p = m_presenter;
    m_start = new CAddrGroupBox(tr("기동주소"), env.plcSlots, p.Start(), false, true, this);
    auto *condition = radioBox(tr("기동조건"), {tr("상시"), tr("On상태"), tr("Off상태")},
                               m_condition, this);
    QWidget *repeat = buildRepeat();

    m_time = new QTimeEdit(this);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto *timeLabel = new QLabel(tr("실행시간(&T):"), this);
    timeLabel->setBuddy(m_time);
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(m_time);
    timeRow->addStretch();

    m_exec = new CAddrGroupBox(tr("실행주소"), env.plcSlots, p.Exec(), true, true, this);
    auto *value
            = radioBox(tr("실행값"), {QStringLiteral("Off"), QStringLiteral("On")}, m_value, this);

    auto *left = new QVBoxLayout;
    left->addWidget(m_start);
    left->addWidget(condition);
    auto *right = new QVBoxLayout;
    right->addWidget(m_exec);
    right->addWidget(value);
    right->addLayout(timeRow);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto *layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addWidget(repeat);
    setContent(layout);

    for (CAddrGroupBox *box : {m_start, m_exec})
        connect(box, &CAddrGroupBox::changed, this, [this] { refreshView(); });
    connect(m_condition, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetCondition(std::uint16_t(id)); }); });
    connect(m_time, &QTimeEdit::timeChanged, this, [this] { takeDateTime(); });
    connect(m_value, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetValueOn(id == 1); }); });
}

void CReserveEditDialog::takeDateTime()
{
    if (refreshing())
        return;
    const QDate d = m_date->date();
    m_presenter.SetDate({d.year(), d.month(), d.day()});
    const QTime t = m_time->time();
    m_presenter.SetTime({t.hour(), t.minute(), t.second()});
}

void CReserveEditDialog::takeDay()
{
    // An entry outside 1 to 31 gives the previous day back.
    forward([this] { m_presenter.MonthDayFocusLost(m_day->text().toStdString()); });
}

void CReserveEditDialog::refresh()
{
    const auto &p = m_presenter;
    m_start->refresh();
    m_condition->button(p.Condition() <= 2 ? p.Condition() : 0)->setChecked(true);
    m_repeat->button(p.RepeatMode() <= 3 ? p.RepeatMode() : 0)->setChecked(true);
    m_date->setDate(QDate(p.Date().year, p.Date().month, p.Date().day));
    m_dateLabel->setVisible(p.DateVisible());
    m_date->setVisible(p.DateVisible());
    for (int d = 0; d < core::CReserveEditDlg::kWeekdays; ++d)
        m_weekdays[std::size_t(d)]->setChecked(p.Weekday(d));
    m_weekdayPanel->setVisible(p.WeekdaysVisible());
    m_day->setText(QString::number(p.MonthDay()));
    m_dayLabel->setVisible(p.MonthDayVisible());
    m_day->setVisible(p.MonthDayVisible());
    m_time->setTime(QTime(p.Time().hour, p.Time().minute, p.Time().second));
    m_exec->refresh();
    m_value->button(p.ValueOn() ? 1 : 0)->setChecked(true);
}

bool CReserveEditDialog::acceptChanges()
{
    takeDateTime();
    if (m_day->text().toStdString() != std::to_string(m_presenter.MonthDay()))
        takeDay();
    return m_presenter.Ok();
}

} // namespace ui
