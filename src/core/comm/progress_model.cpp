#include "core/comm/progress_model.h"

#include "core/comm/comm_thread.h"

namespace comm {

namespace {

// A failed block said as a sentence: which way the area was going and what the panel did, with
// the link's own error text on the next line. An erased panel is the one case where the area
// does not matter: nothing can be uploaded from it.
CommText failureText(CommText area, std::uint32_t error, CommText detail, bool download)
{
    switch (error >> 16) {
    case ErrErased:
        return CommText(CommTextId::PanelErased, {std::move(detail)});
    case ErrTimeout:
        return CommText(download ? CommTextId::SendTimedOut : CommTextId::ReceiveTimedOut,
                        {std::move(area), std::move(detail)});
    default:
        return CommText(download ? CommTextId::SendFailed : CommTextId::ReceiveFailed,
                        {std::move(area), std::move(detail)});
    }
}

} // namespace

CommText CProgressModel::title() const
{
    return m_download ? CommTextId::TitleDownloading : CommTextId::TitleUploading;
}

std::optional<CommText> CProgressModel::start(CCommThread &link, ICommNotify *notify)
{
    m_uploaded = {};
    m_lengths = {};
    m_done = false;
    m_rangeMax = 100;
    m_position = 0;
    link.SetNotifyWnd(notify);
    if (!link.Start(m_commands.data(), static_cast<int>(m_commands.size()), false)) {
        m_result = ProgressResult::Failed;
        m_done = true;
        if (link.GetLastError() != 0)
            return link.GetErrorText();
        return std::nullopt;
    }
    m_result = ProgressResult::Running;
    return std::nullopt;
}

void CProgressModel::showCommand(const CCommThread &link, const CommMessage &message, bool atStart)
{
    // The snapshot, not the record: the worker is already moving the next block.
    m_areaText = link.GetAreaName(message.command->sub);
    if (message.size > 0)
        m_rangeMax = message.size;
    m_position = atStart ? 0 : message.current - message.start;
}

std::optional<CommText> CProgressModel::onMessage(const CCommThread &link,
                                                  const CommMessage &message)
{
    if (m_done || !message.command)
        return std::nullopt;
    const COMM_CMD &command = *message.command;
    if (message.message == WM_COMM_STATUS) {
        switch (message.status) {
        case StatusCommandStart:
            showCommand(link, message, true);
            return std::nullopt;
        case StatusBlockDone:
        case StatusCommandDone:
            showCommand(link, message, false);
            return std::nullopt;
        case StatusAllDone: {
            const int count = link.CommandCount();
            for (int i = 0; i < count; ++i) {
                const COMM_CMD &c = link.Commands()[i];
                if (c.main != 'r')
                    continue;
                const int area = c.sub == 'C' ? ScreenArea
                        : c.sub == 'G'        ? GlobalArea
                        : c.sub == 'R'        ? ImageArea
                        : c.sub == 'S'        ? StringArea
                                              : -1;
                if (area < 0)
                    continue;
                m_lengths[static_cast<std::size_t>(area)] = c.size;
                m_uploaded[static_cast<std::size_t>(area)] = true;
            }
            m_result = ProgressResult::Succeeded;
            m_done = true;
            return std::nullopt;
        }
        case StatusFailed:
            break;
        default:
            return std::nullopt;
        }
    } else if (message.message != WM_COMM_SENDFAIL) {
        return std::nullopt;
    }
    m_result = ProgressResult::Failed;
    m_done = true;
    CommText area = link.GetAreaName(command.sub);
    if (message.error != 0)
        return failureText(std::move(area), message.error, link.DescribeError(message.error),
                           m_download);
    return CommText(CommTextId::CommFailed, {std::move(area)});
}

CommText CProgressModel::stop(CCommThread &link)
{
    m_result = ProgressResult::Stopped;
    link.Stop();
    m_done = true;
    return CommTextId::CommStopped;
}

CommText CProgressModel::requestStop(CCommThread &link)
{
    m_result = ProgressResult::Stopped;
    link.RequestStop();
    m_done = true;
    return CommTextId::CommStopped;
}

} // namespace comm
