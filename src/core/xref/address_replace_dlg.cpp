#include "core/xref/address_replace_dlg.h"

#include "core/model/dorvane_doc.h"

#include "util/message_ids.h"

#include <algorithm>
#include <set>

namespace core {

namespace {

std::set<std::uint16_t> stationsOn(const CDorvaneDoc &doc, std::uint16_t channel)
{
    std::set<std::uint16_t> stations;
    for (const xref::AddressUse &use : xref::addressUses(doc))
        if (use.addr.channel == channel)
            stations.insert(use.addr.station);
    return stations;
}

} // namespace

CAddressReplaceDlg::CAddressReplaceDlg(const CDorvaneDoc &doc)
    : m_doc(doc)
{
    m_kinds.fill(true);
    // The first channel that has addresses to move; a PLC channel when none has.
    std::uint16_t channel = 1;
    for (const std::uint16_t c : {1, 2, 0})
        if (!stationsOn(doc, c).empty()) {
            channel = c;
            break;
        }
    SetChannel(channel);
}

void CAddressReplaceDlg::SetChannel(std::uint16_t channel)
{
    m_request.channel = std::min<std::uint16_t>(channel, 2);
    const auto stations = stationsOn(m_doc, m_request.channel);
    m_stations.assign(stations.begin(), stations.end());
    // The panel's memory has no stations; a station chosen on the other channel means nothing.
    m_request.station.reset();
    Replan();
}

void CAddressReplaceDlg::SetStation(std::optional<std::uint16_t> station)
{
    m_request.station = station;
    Replan();
}

void CAddressReplaceDlg::SetFrom(std::string from)
{
    m_request.from = std::move(from);
    Replan();
}

void CAddressReplaceDlg::SetByOffset(bool on)
{
    m_byOffset = on;
    Replan();
}

void CAddressReplaceDlg::SetTo(std::string to)
{
    m_request.to = std::move(to);
    Replan();
}

void CAddressReplaceDlg::SetOffset(std::int64_t offset)
{
    m_offset = offset;
    Replan();
}

void CAddressReplaceDlg::SetKindChosen(xref::UserKind kind, bool on)
{
    m_kinds[std::size_t(kind)] = on;
    Replan();
}

void CAddressReplaceDlg::Replan()
{
    m_request.offset = m_byOffset ? std::optional(m_offset) : std::nullopt;
    m_request.kinds.clear();
    for (int k = 0; k < xref::kUserKindCount; ++k)
        if (m_kinds[std::size_t(k)])
            m_request.kinds.push_back(xref::UserKind(k));
    m_plan = {};
    // No kind chosen changes nothing; an empty list would mean every kind.
    if (m_request.from.empty() || m_request.kinds.empty())
        return;
    m_plan = xref::planReplace(m_doc, m_request);
}

bool CAddressReplaceDlg::Entered() const
{
    return !m_request.from.empty() && (m_byOffset || !m_request.to.empty());
}

std::optional<Notice> CAddressReplaceDlg::Problem() const
{
    // Still being typed: no complaint before both ends are there.
    if (!Entered())
        return std::nullopt;
    if (m_request.kinds.empty())
        return Notice{util::msg::kReplaceNothing, {m_request.from}};
    return m_plan.error;
}

bool CAddressReplaceDlg::Ok(CFunctionPrompt &prompt) const
{
    if (!Entered()) {
        prompt.ShowMessage(util::msg::kReplaceNoRange,
                           Notice{util::msg::kReplaceNoRange, {}}.Text());
        return false;
    }
    if (const auto problem = Problem()) {
        prompt.ShowMessage(problem->id, problem->Text());
        return false;
    }
    if (m_plan.changes.empty()) {
        const Notice all{util::msg::kReplaceRefusedCount, {std::to_string(m_plan.refused.size())}};
        prompt.ShowMessage(all.id, all.Text());
        return false;
    }
    if (m_plan.refused.empty())
        return true;
    const Notice ask{
            util::msg::kReplaceSkipRefused,
            {std::to_string(m_plan.refused.size()), std::to_string(m_plan.changes.size())}};
    return prompt.AskYesNo(ask.id, ask.Text());
}

std::optional<Notice> CAddressReplaceDlg::ApplyTo(CDorvaneDoc &doc) const
{
    return xref::applyReplace(doc, m_plan, true);
}

} // namespace core
