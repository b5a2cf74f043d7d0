#include "ui/comm/progress_dialog.h"

#include "ui/comm/comm_text.h"
#include "ui/comm/queued_notify.h"

#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {
constexpr int kBarSteps = 1000;
constexpr int kTickMs = 500;
} // namespace

CProgressDialog::CProgressDialog(comm::CCommThread &link, comm::CProgressModel &model,
                                 comm::IPanelUi &ui, QWidget *parent)
    : QDialog(parent)
    , m_link(link)
    , m_model(model)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("CProgressDialog"));
    setWindowTitle(commText(model.title()));
    m_notify = new CQueuedNotify(this);
    connect(m_notify, &CQueuedNotify::arrived, this, &CProgressDialog::onMessage);

    auto *layout = new QVBoxLayout(this);
    m_area = new QLabel(this);
    m_area->setObjectName(QStringLiteral("area"));
    layout->addWidget(m_area);

    // One bar per command, named after its area.
    auto *grid = new QGridLayout;
    const auto &commands = model.commands();
    m_rows.resize(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto *bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("command%1").arg(i));
        bar->setRange(0, kBarSteps);
        bar->setValue(0);
        auto *label = new QLabel(commText(link.GetAreaName(commands[i].sub)), this);
        label->setBuddy(bar);
        bar->setAccessibleName(label->text());
        grid->addWidget(label, int(i), 0);
        grid->addWidget(bar, int(i), 1);
        m_bars.push_back(bar);
    }
    m_overall = new QProgressBar(this);
    m_overall->setObjectName(QStringLiteral("overall"));
    m_overall->setRange(0, kBarSteps);
    m_overall->setValue(0);
    auto *overallLabel = new QLabel(tr("전체"), this);
    overallLabel->setBuddy(m_overall);
    m_overall->setAccessibleName(overallLabel->text());
    grid->addWidget(overallLabel, int(commands.size()), 0);
    grid->addWidget(m_overall, int(commands.size()), 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_bytes = new QLabel(this);
    m_bytes->setObjectName(QStringLiteral("bytes"));
    m_elapsed = new QLabel(this);
    m_elapsed->setObjectName(QStringLiteral("elapsed"));
    m_rate = new QLabel(this);
    m_rate->setObjectName(QStringLiteral("rate"));
    layout->addWidget(m_bytes);
    auto *times = new QHBoxLayout;
    times->addWidget(m_elapsed);
    times->addStretch(1);
    times->addWidget(m_rate);
    layout->addLayout(times);

    m_stop = new QPushButton(tr("중지(&S)"), this);
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(m_stop, &QPushButton::clicked, this, &CProgressDialog::onStop);

    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &CProgressDialog::updateFigures);
    setMinimumWidth(420);
    updateFigures();
}

CProgressDialog::~CProgressDialog()
{
    if (m_started && !m_model.done())
        m_model.requestStop(m_link);
    if (m_started)
        m_link.SetNotifyWnd(m_previous);
}

comm::ProgressResult CProgressDialog::run()
{
    m_previous = m_link.SetNotifyWnd(m_notify);
    m_started = true;
    m_clock.start();
    if (const auto text = m_model.start(m_link, m_notify))
        m_ui.message(*text, comm::IPanelUi::Icon::Warning);
    if (m_model.done()) {
        m_link.SetNotifyWnd(m_previous);
        m_started = false;
        return m_model.result();
    }
    m_tick.start();
    exec();
    m_tick.stop();
    m_link.SetNotifyWnd(m_previous);
    m_started = false;
    return m_model.result();
}

void CProgressDialog::onMessage(const comm::CommMessage &message)
{
    if (m_model.done() || !message.command)
        return;
    const auto *first = m_link.Commands();
    const auto index = message.command - first;
    if (index >= 0 && std::size_t(index) < m_rows.size()) {
        Row &row = m_rows[std::size_t(index)];
        row.size = message.size;
        if (message.status == comm::StatusCommandStart)
            row.moved = 0;
        else if (message.status == comm::StatusBlockDone)
            row.moved = message.current - message.start;
        else if (message.status == comm::StatusCommandDone)
            row.moved = message.size;
    }
    const auto text = m_model.onMessage(m_link, message);
    updateFigures();
    if (text)
        m_ui.message(*text, comm::IPanelUi::Icon::Warning);
    if (m_model.done())
        finish();
}

void CProgressDialog::onStop()
{
    if (m_model.done() || !m_started)
        return;
    // The worker finishes its block and ends the connection; this thread does not wait for it.
    const comm::CommText text = m_model.requestStop(m_link);
    m_ui.message(text, comm::IPanelUi::Icon::Information);
    finish();
}

void CProgressDialog::reject()
{
    if (m_model.done() || !m_started)
        QDialog::reject();
    else
        onStop();
}

void CProgressDialog::finish()
{
    m_tick.stop();
    updateFigures();
    done(m_model.result() == comm::ProgressResult::Succeeded ? Accepted : Rejected);
}

quint64 CProgressDialog::bytesMoved() const
{
    quint64 sum = 0;
    for (const Row &row : m_rows)
        sum += row.moved;
    return sum;
}

quint64 CProgressDialog::bytesKnown() const
{
    quint64 sum = 0;
    for (const Row &row : m_rows)
        sum += row.size;
    return sum;
}

void CProgressDialog::updateFigures()
{
    m_area->setText(tr("영역: %1").arg(commText(m_model.areaText())));
    int overall = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        const int value = row.size > 0 ? int(quint64(row.moved) * kBarSteps / row.size) : 0;
        m_bars[i]->setValue(std::min(value, kBarSteps));
        overall += m_bars[i]->value();
    }
    m_overall->setValue(m_rows.empty() ? 0 : overall / int(m_rows.size()));
    m_bytes->setText(tr("%1 / %2 바이트").arg(bytesMoved()).arg(bytesKnown()));
    const qint64 ms = m_clock.isValid() ? m_clock.elapsed() : 0;
    m_elapsed->setText(
            tr("경과 시간: %1:%2").arg(ms / 60000).arg((ms / 1000) % 60, 2, 10, QLatin1Char('0')));
    const quint64 rate = ms > 0 ? bytesMoved() * 1000 / quint64(ms) : 0;
    m_rate->setText(tr("속도: %1 바이트/초").arg(rate));
}

} // namespace ui
