#include "ui/comm/alarm_search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ui {

namespace {

QDateTime toQt(const comm::ClockTime &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

comm::ClockTime fromQt(const QDateTime &dt)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), 0};
}

QDateTimeEdit *newDateTimeEdit(QWidget *parent)
{
    auto *edit = new QDateTimeEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return edit;
}

} // namespace

CAlarmSearchDialog::CAlarmSearchDialog(core::CAlarmSearchDlg &presenter, comm::IPanelUi &ui,
                                       QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(presenter)
    , m_ui(ui)
{
    setWindowTitle(tr("경보 검색 범위"));
    build();
    refreshView();
}

void CAlarmSearchDialog::build()
{
    auto *layout = new QVBoxLayout;
    m_useDate = new QCheckBox(tr("날짜(&D)"), this);
    layout->addWidget(m_useDate);
    auto *range = new QFormLayout;
    m_start = newDateTimeEdit(this);
    m_end = newDateTimeEdit(this);
    auto *startLabel = new QLabel(tr("시작(&T):"), this);
    startLabel->setBuddy(m_start);
    auto *endLabel = new QLabel(tr("종료(&E):"), this);
    endLabel->setBuddy(m_end);
    range->addRow(startLabel, m_start);
    range->addRow(endLabel, m_end);
    layout->addLayout(range);

    m_useMessage = new QCheckBox(tr("경보 메시지(&A)"), this);
    layout->addWidget(m_useMessage);
    m_message = new QLineEdit(this);
    m_message->setAccessibleName(tr("경보 메시지"));
    layout->addWidget(m_message);
    auto *message = new QFormLayout;
    m_stored = new QComboBox(this);
    for (const std::string &text : m_presenter.StoredMessages())
        m_stored->addItem(QString::fromStdString(text));
    auto *storedLabel = new QLabel(tr("저장된 메시지(&S):"), this);
    storedLabel->setBuddy(m_stored);
    message->addRow(storedLabel, m_stored);
    layout->addLayout(message);
    setContent(layout);

    connect(m_useDate, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetUseDate(on); }); });
    connect(m_useMessage, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetUseMessage(on); }); });
    connect(m_start, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime &dt) {
        if (!refreshing())
            m_presenter.SetStart(fromQt(dt));
    });
    connect(m_end, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime &dt) {
        if (!refreshing())
            m_presenter.SetEnd(fromQt(dt));
    });
    connect(m_message, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!refreshing())
            m_presenter.SetMessage(text.toStdString());
    });
    // Activated, not index changed: choosing the message already shown copies it again.
    connect(m_stored, &QComboBox::activated, this,
            [this](int index) { forward([&] { m_presenter.ChooseStored(std::size_t(index)); }); });
}

void CAlarmSearchDialog::refresh()
{
    const comm::AlarmSearch &s = m_presenter.Search();
    m_useDate->setChecked(s.useDate);
    m_useMessage->setChecked(s.useMessage);
    m_start->setDateTime(toQt(s.start));
    m_end->setDateTime(toQt(s.end));
    m_start->setEnabled(m_presenter.DateEnabled());
    m_end->setEnabled(m_presenter.DateEnabled());
    if (m_message->text().toStdString() != s.message)
        m_message->setText(QString::fromStdString(s.message));
    m_message->setEnabled(m_presenter.MessageEnabled());
    m_stored->setEnabled(m_presenter.MessageEnabled());
}

bool CAlarmSearchDialog::acceptChanges()
{
    // Entries still being typed count.
    m_presenter.SetStart(fromQt(m_start->dateTime()));
    m_presenter.SetEnd(fromQt(m_end->dateTime()));
    m_presenter.SetMessage(m_message->text().toStdString());
    return m_presenter.Ok(m_ui);
}

} // namespace ui
