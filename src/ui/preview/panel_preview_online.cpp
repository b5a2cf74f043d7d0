// The preview's connection to real PLCs: which channels are online, and the status line.

#include "ui/preview/panel_preview_window.h"

#include "ui/preview/plc_connect_dialog.h"

#include "core/online/online_channels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

using namespace core::online;

namespace {

QString stateText(StationState state)
{
    switch (state) {
    case StationState::Waiting:
        return CPanelPreviewWindow::tr("대기 중");
    case StationState::Ok:
        return CPanelPreviewWindow::tr("정상");
    case StationState::Partial:
        return CPanelPreviewWindow::tr("일부 실패");
    case StationState::Failed:
        break;
    }
    return CPanelPreviewWindow::tr("응답 없음");
}

} // namespace

QWidget *CPanelPreviewWindow::makePlcButtons()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_plcConnect = new QPushButton(tr("PLC 연결(&L)..."), box);
    m_plcConnect->setObjectName(QStringLiteral("plcConnect"));
    m_plcDisconnect = new QPushButton(tr("연결 끊기(&U)"), box);
    m_plcDisconnect->setObjectName(QStringLiteral("plcDisconnect"));
    // Like the keys, they leave the keyboard to the panel.
    m_plcConnect->setFocusPolicy(Qt::NoFocus);
    m_plcDisconnect->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_plcConnect);
    row->addWidget(m_plcDisconnect);
    row->addStretch(1);
    connect(m_plcConnect, &QPushButton::clicked, this, &CPanelPreviewWindow::openPlcConnect);
    connect(m_plcDisconnect, &QPushButton::clicked, this, [this] {
        disconnectPlc(1);
        disconnectPlc(2);
    });
    m_plcConnect->setEnabled(false);
    m_plcDisconnect->setEnabled(false);
    return box;
}

void CPanelPreviewWindow::openPlcConnect()
{
    if (!m_doc)
        return;
    const std::vector<int> channels = PlcConnectForm::OnlineChannels(*m_doc);
    if (channels.empty())
        return;
    PlcConnectForm form = m_plcForm.value_or(PlcConnectForm::ForChannel(*m_doc, channels.front()));
    if (std::find(channels.begin(), channels.end(), form.channel) == channels.end())
        form.SelectChannel(*m_doc, channels.front());
    CPlcConnectDialog dialog(*m_doc, form, this);
    if (dialog.exec() != QDialog::Accepted || !m_doc)
        return;
    m_plcForm = dialog.form();
    std::string error;
    connectPlc(m_plcForm->channel, m_plcForm->Endpoint(), m_plcForm->Options(), error);
}

bool CPanelPreviewWindow::connectPlc(int channel, const LinkEndpoint &endpoint,
                                     const LinkOptions &options, std::string &error)
{
    if (m_doc) {
        if (const auto refusal = channelRefusal(*m_doc, channel)) {
            error = *refusal;
            return false;
        }
    }
    m_plcChoices[channel] = {endpoint, options};
    goOnline();
    if (m_online && !m_online->Plc(channel)) {
        m_plcChoices.erase(channel);
        error = "channel " + std::to_string(channel) + " cannot go online";
        return false;
    }
    refreshPlcStatus();
    return true;
}

void CPanelPreviewWindow::disconnectPlc(int channel)
{
    m_plcChoices.erase(channel);
    if (m_online)
        m_online->Disconnect(channel);
    refreshPlcStatus();
}

bool CPanelPreviewWindow::isPlcConnected(int channel) const
{
    return m_online && m_online->Plc(channel);
}

void CPanelPreviewWindow::goOnline()
{
    if (!m_runtime || m_plcChoices.empty())
        return;
    if (!m_online)
        m_online = std::make_unique<COnlineChannels>(m_runtime->Memory(), *m_doc);
    for (const auto &[channel, choice] : m_plcChoices) {
        std::string error;
        if (!m_online->Plc(channel) && !channelRefusal(*m_doc, channel))
            m_online->Connect(channel, choice.endpoint, choice.options, error);
    }
    m_online->Follow(m_runtime->CurrentScreen(), true);
}

void CPanelPreviewWindow::refreshPlcStatus()
{
    QStringList lines;
    for (int channel = 1; channel <= 2 && m_online; ++channel) {
        const COnlinePlc *plc = m_online->Plc(channel);
        if (!plc)
            continue;
        const LinkStatus status = plc->Status();
        const QString link = QString::fromStdString(plc->Endpoint().Describe());
        if (!status.connected && !status.error.empty()) {
            lines << tr("CH%1 %2: 연결 안 됨 (%3)")
                             .arg(channel)
                             .arg(link, QString::fromStdString(status.error));
            continue;
        }
        if (status.stations.empty())
            lines << tr("CH%1 %2: 연결됨").arg(channel).arg(link);
        for (const StationStatus &s : status.stations) {
            QString line = tr("CH%1 %2, 국번 %3: %4, 스캔 %5 ms, 요청 %6")
                                   .arg(channel)
                                   .arg(link)
                                   .arg(s.station)
                                   .arg(stateText(s.state))
                                   .arg(double(s.scanTime.count()) / 1000.0, 0, 'f', 1)
                                   .arg(s.requests);
            if (!s.lastError.empty())
                line += tr(" - 마지막 오류: %1").arg(QString::fromStdString(s.lastError));
            lines << line;
        }
    }
    m_plcStatus->setText(lines.join(QLatin1Char('\n')));
    m_plcStatus->setVisible(!lines.isEmpty());
    m_plcConnect->setEnabled(m_doc && !PlcConnectForm::OnlineChannels(*m_doc).empty());
    m_plcConnect->setToolTip(
            m_plcConnect->isEnabled()
                    ? QString()
                    : tr("Modbus PLC 채널이 있는 프로젝트에서만 연결할 수 있습니다."));
    m_plcDisconnect->setEnabled(isPlcConnected(1) || isPlcConnected(2));
}

} // namespace ui
