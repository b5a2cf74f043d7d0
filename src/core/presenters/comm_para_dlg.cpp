#include "core/presenters/comm_para_dlg.h"

#include "core/functions/project_addresses.h"
#include "core/plc/plc_slots.h"

#include "util/ini_file.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr const char *kSection = "MasterStation";
constexpr const char *kKey = "StationList";
constexpr std::size_t kListBuffer = 256; // up to 255 characters
constexpr const char *kRemoteLabel = "상대국 번호:";

std::uint16_t station(std::uint16_t value)
{
    return value < CChannelParams::kStationCount ? value : 0;
}

} // namespace

CCommParaDlg::CCommParaDlg(CFunctionPrompt &prompt, const CChannelParams &record,
                           bool configControls)
    : m_prompt(prompt)
    , m_record(record)
    , m_configControls(configControls)
    , m_own(station(record.OwnStation()))
    , m_remote(station(record.RemoteStation()))
    , m_config(record.Configuration() <= CChannelParams::kNToM ? record.Configuration() : 0)
    , m_baud(record.Baud())
    , m_dataBits(record.DataBits())
    , m_parity(record.Parity())
    , m_stopBits(record.StopBits())
    , m_timeout(record.Timeout())
{
    for (const std::uint8_t s : record.Masters())
        if (s < kStations)
            m_checked[s] = true;
}

bool CCommParaDlg::RemoteVisible() const
{
    return !m_record.FixedLink() && CChannelParams::UsesRemoteStation(m_config);
}

std::string CCommParaDlg::RemoteLabel() const
{
    return m_configControls ? std::string(util::messageText(kMsgSlaveLabel)) : kRemoteLabel;
}

bool CCommParaDlg::StationBoxesEnabled() const
{
    return CChannelParams::UsesMasterList(m_config);
}

int CCommParaDlg::CheckedCount() const
{
    return int(std::count(m_checked.begin(), m_checked.end(), true));
}

std::string CCommParaDlg::CounterText() const
{
    return util::formatText(m_counterChanged ? "%d" : "%02d", CheckedCount());
}

void CCommParaDlg::SetRemoteStation(std::uint16_t s)
{
    if (s < kStations)
        m_remote = s;
}

void CCommParaDlg::SetConfiguration(std::uint16_t config)
{
    if (config > CChannelParams::kNToM)
        return;
    m_config = config;
    if (CChannelParams::UsesMasterList(config)) {
        m_checked[m_own] = true;
    } else {
        m_selectAll = false;
        m_checked.fill(false);
    }
    Changed();
}

void CCommParaDlg::SetOwnStation(std::uint16_t s)
{
    if (s >= kStations)
        return;
    if (StationBoxesEnabled() && s != m_own) {
        m_checked[m_own] = false;
        m_checked[s] = true;
        Changed();
    }
    m_own = s;
}

bool CCommParaDlg::SetStationChecked(std::size_t s, bool checked)
{
    if (s >= kStations || !StationBoxesEnabled())
        return false;
    if (!checked && s == m_own) {
        m_prompt.ShowMessage(kMsgOwnStationKept, util::formatMessage(kMsgOwnStationKept));
        m_checked[s] = true;
        return false;
    }
    m_checked[s] = checked;
    Changed();
    return true;
}

void CCommParaDlg::SetSelectAll(bool on)
{
    m_selectAll = on;
    m_checked.fill(on);
    // The own station belongs to every master list; clearing all boxes keeps it.
    if (StationBoxesEnabled())
        m_checked[m_own] = true;
    Changed();
}

bool CCommParaDlg::SaveStations(const std::string &path) const
{
    std::string list;
    for (std::size_t s = 0; s < kStations; ++s) {
        if (m_checked[s])
            list += util::formatText(list.empty() ? "%d" : ",%d", int(s));
    }
    util::CIniFile ini(path);
    return ini.writeString(kSection, kKey, list);
}

bool CCommParaDlg::LoadStations(const std::string &path)
{
    const util::CIniFile ini(path);
    if (!ini.exists()) {
        m_prompt.ShowMessage(util::msg::kCannotOpenFile,
                             util::formatMessage(util::msg::kCannotOpenFile, path.c_str()));
        return false;
    }
    // Any other file would clear the boxes and check the own station alone: it is refused
    // with a word, and the boxes stay as they were.
    if (!ini.hasKey(kSection, kKey)) {
        m_prompt.ShowMessage(util::msg::kNotStationList,
                             util::formatMessage(util::msg::kNotStationList, path.c_str()));
        return false;
    }
    const std::string list = ini.getString(kSection, kKey, "", kListBuffer);
    m_checked.fill(false);
    std::size_t pos = 0;
    while (pos <= list.size()) {
        const std::size_t comma = std::min(list.find(',', pos), list.size());
        std::string item = list.substr(pos, comma - pos);
        item.erase(0, item.find_first_not_of(" \t"));
        // Only plain numbers name a station; anything else (negative, text) is skipped.
        std::size_t digits = 0;
        unsigned value = 0;
        while (digits < item.size() && item[digits] >= '0' && item[digits] <= '9' && value < 1000)
            value = value * 10 + unsigned(item[digits++] - '0');
        if (digits > 0 && value < kStations)
            m_checked[value] = true;
        pos = comma + 1;
    }
    m_checked[m_own] = true;
    Changed();
    return true;
}

CChannelParams CCommParaDlg::Result() const
{
    CChannelParams r = m_record;
    r.SetConfiguration(m_config);
    r.SetRemoteStation(CChannelParams::UsesRemoteStation(m_config) ? m_remote : 0);
    r.SetOwnStation(m_own);
    r.SetBaud(m_baud);
    r.SetParity(m_parity);
    r.SetDataBits(m_dataBits);
    r.SetStopBits(m_stopBits);
    r.SetTimeout(m_timeout);
    std::vector<std::uint8_t> masters;
    for (std::size_t s = 0; s < kStations; ++s)
        if (m_checked[s])
            masters.push_back(std::uint8_t(s));
    r.SetMasters(masters);
    return r;
}

void CCommParaDlg::ApplyTo(CDorvaneDoc &doc, int channel) const
{
    const CChannelParams r = Result();
    const std::uint16_t ch = channel == 2 ? 2 : 1;
    doc.SetChannel(ch, r.Bytes());
    doc.Slots().slot(ch).SetStation(r.RemoteStation());
    if (ch == 1 || CChannelParams::UsesRemoteStation(r.Configuration()))
        CProjectAddresses::ApplyStation(doc, ch, r.RemoteStation());
    doc.SetModified();
}

} // namespace core
