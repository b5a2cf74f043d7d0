#include "core/presenters/alarm_hist_dlg.h"

#include "core/app/app_config.h"
#include "core/comm/panel_ui.h"
#include "core/comm/system_info.h"
#include "core/download/area_image.h"
#include "util/code_page.h"
#include "util/file_io.h"

#include <algorithm>

namespace core {

comm::TextConverter panelTextConverter(std::uint16_t langId)
{
    return [langId](const std::string &s) { return util::toUtf8Lossy(s, langId); };
}

comm::PanelTextChooser panelTextChooser(const CAppConfig &config)
{
    return [&config](util::ConstByteSpan menu) {
        const std::string panel = comm::menuLanguageText(menu);
        if (!panel.empty()) {
            for (const auto &lang : config.languages().entries()) {
                const auto file = util::readFileCapped(config.protocolsDir() + "/" + lang.constFile,
                                                       kConstantCapacity);
                if (file && comm::menuLanguageText(*file) == panel)
                    return panelTextConverter(std::uint16_t(lang.langId));
            }
        }
        return panelTextConverter(util::kLangKorean);
    };
}

CAlarmSearchDlg::CAlarmSearchDlg(const comm::AlarmSearch &range,
                                 const std::vector<std::string> &stored)
    : m_search(range)
{
    for (const std::string &message : stored) {
        if (std::find(m_stored.begin(), m_stored.end(), message) == m_stored.end())
            m_stored.push_back(message);
    }
}

void CAlarmSearchDlg::ChooseStored(std::size_t index)
{
    if (index < m_stored.size())
        m_search.message = m_stored[index];
}

bool CAlarmSearchDlg::Ok(comm::IPanelUi &ui) const
{
    if (const auto refusal = comm::validateSearch(m_search)) {
        ui.message(*refusal, comm::IPanelUi::Icon::Warning);
        return false;
    }
    return true;
}

CAlarmHistDlg::CAlarmHistDlg(std::string dbPath, const std::string &programDir,
                             comm::TextConverter convert, comm::PanelTextChooser choose)
    : m_db(std::move(dbPath), programDir + "/AlarmHist.MAC")
    , m_convert(std::move(convert))
    , m_choose(std::move(choose))
{
    const comm::ClockTime now = comm::localClockNow();
    m_range.start = now;
    m_range.end = now;
}

std::string CAlarmHistDlg::DatabaseFolder() const
{
    return util::dirName(m_db.path());
}

bool CAlarmHistDlg::Upload(comm::CCommThread &link, comm::IPanelUi &ui)
{
    if (!m_convert && m_choose)
        return comm::UploadAlarmHistory(link, ui, m_grid, m_choose);
    return comm::UploadAlarmHistory(link, ui, m_grid, m_convert);
}

bool CAlarmHistDlg::Save(comm::IPanelUi &ui)
{
    return comm::SaveAlarmGrid(m_db, ui, m_grid);
}

std::optional<CAlarmSearchDlg> CAlarmHistDlg::PrepareSearch(comm::IPanelUi &ui)
{
    const auto messages = m_db.distinctMessages();
    std::optional<comm::TimeSpan> span;
    if (!messages || (!m_rangeConfirmed && !m_db.widenToStored(span))) {
        ui.message(comm::CommText::of(m_db.lastError()), comm::IPanelUi::Icon::Warning);
        return std::nullopt;
    }
    if (m_rangeConfirmed)
        return CAlarmSearchDlg(m_range, *messages);
    for (const auto &row : m_grid.rows())
        comm::widenSpan(span, row.alarm.alarmDate);
    return CAlarmSearchDlg(wholeRange(span), *messages);
}

comm::AlarmSearch CAlarmHistDlg::wholeRange(const std::optional<comm::TimeSpan> &span) const
{
    // Accepting the first range as offered finds every alarm: an empty message would match
    // none, so the message condition waits until one is chosen.
    comm::AlarmSearch range = m_range;
    range.useDate = true;
    range.useMessage = false;
    if (span) {
        range.start = span->first;
        range.end = span->last;
    }
    return range;
}

bool CAlarmHistDlg::Search(comm::IPanelUi &ui, const comm::AlarmSearch &range)
{
    if (comm::validateSearch(range))
        return comm::SearchAlarmsIntoGrid(m_db, ui, range, m_grid); // shows the refusal
    m_range = range;
    m_rangeConfirmed = true;
    return comm::SearchAlarmsIntoGrid(m_db, ui, range, m_grid);
}

bool CAlarmHistDlg::Delete(comm::IPanelUi &ui, const std::set<std::size_t> &selectedRows)
{
    return comm::DeleteAlarmRows(m_db, ui, m_grid, selectedRows);
}

void CAlarmHistDlg::AddRows(const std::vector<comm::AlarmRow> &rows)
{
    for (const comm::AlarmRow &row : rows)
        m_grid.addRow(row);
}

} // namespace core
