#include "core/presenters/trans_edit_dlg.h"

#include "core/functions/device_block.h"
#include "core/functions/value_type.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

// A number as the dialog's integer edit reads it: decimal digits, anything else 0; large values
// saturate.
std::uint32_t editNumber(const std::string &text)
{
    if (text.empty()
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    std::uint64_t value = 0;
    for (char c : text)
        value = std::min<std::uint64_t>(value * 10 + std::uint64_t(c - '0'), 0xFFFFFFFFu);
    return std::uint32_t(value);
}

} // namespace

CTransEditDlg::CTransEditDlg(const FunctionEnv &env)
    : m_env(env)
    , m_plc(env.plcSlots, kAddrWord)
    , m_start(env.plcSlots, kAddrBit)
{
    m_plc.SetPanelAllowed(false);
    Load(CTransRecord::Default(env.plcSlots));
}

bool CTransEditDlg::CanOpen(const FunctionEnv &env)
{
    if (env.plcSlots.slot(1).DeviceKind() == kDevicePlc
        || env.plcSlots.slot(2).DeviceKind() == kDevicePlc)
        return true;
    env.Show(util::msg::kNoSelectablePlc);
    return false;
}

void CTransEditDlg::Load(const CTransRecord &record)
{
    m_record = record;
    m_direction = record.Direction() != CTransRecord::kToPanel ? CTransRecord::kToPlc
                                                               : CTransRecord::kToPanel;
    m_size = record.DataSize();
    m_condition = record.Condition() < CTransRecord::kConditionCount ? record.Condition() : 0;
    m_panel = record.PanelAddress();
    m_plc.Load(CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CTransRecord::kPlcBlock,
                                      kAddrWord));
    m_start.Load(
            CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CTransRecord::kStart, kAddrBit));
    m_start.SetEnabled(m_condition != 0);
}

void CTransEditDlg::SetDirection(std::uint16_t direction)
{
    direction = direction != CTransRecord::kToPanel ? CTransRecord::kToPlc : CTransRecord::kToPanel;
    if (direction == m_direction)
        return;
    m_direction = direction;
    m_panel.assign(1, '0'); // assigning the literal trips a false -Wrestrict in GCC 12
}

std::uint32_t CTransEditDlg::PanelWord() const
{
    return editNumber(m_panel);
}

void CTransEditDlg::ApplyAreaLimit()
{
    if (!CTransRecord::FitsPanelArea(m_direction, PanelWord(), m_size))
        m_size = 1;
}

std::uint32_t CTransEditDlg::LargestDataSize() const
{
    const auto largest
            = std::uint32_t(std::max(1, m_env.plcSlots.slot(m_plc.Addr().channel).GetTransSize()));
    // The panel-side block must end below word 1001 (to the PLC) or 901 (from it).
    const std::uint32_t end = m_direction != CTransRecord::kToPanel ? 1001 : 901;
    const std::uint32_t panel = PanelWord();
    const std::uint32_t room = panel + 1 < end ? end - 1 - panel : 1;
    return std::max<std::uint32_t>(1, std::min(largest, room));
}

bool CTransEditDlg::DataSizeFocusLost(const std::string &typed)
{
    const std::uint32_t wanted = editNumber(typed);
    // The largest allowed before the size changes: it does not depend on the size itself.
    const std::uint32_t largest = LargestDataSize();
    m_size = wanted == 0 ? 1 : wanted;
    const std::int32_t transfer
            = std::max(1, m_env.plcSlots.slot(m_plc.Addr().channel).GetTransSize());
    if (m_size > std::uint32_t(transfer))
        m_size = std::uint32_t(transfer);
    ApplyAreaLimit();
    // The size is corrected as always, but never without a word: the user learns the range.
    if (m_size == wanted)
        return true;
    m_env.Show(util::msg::kTransSizeRange, int(largest));
    return false;
}

void CTransEditDlg::SetPanelAddress(const std::string &number)
{
    m_panel = number;
    const std::uint32_t before = m_size;
    ApplyAreaLimit();
    if (m_size != before)
        m_env.Show(util::msg::kTransSizeRange, int(LargestDataSize()));
}

void CTransEditDlg::SetCondition(std::uint16_t condition)
{
    if (condition >= CTransRecord::kConditionCount)
        return;
    m_condition = condition;
    m_start.SetEnabled(condition != 0);
}

std::vector<std::string> CTransEditDlg::ConditionTexts()
{
    std::vector<std::string> texts;
    for (int id = 51510; id <= 51515; ++id)
        texts.emplace_back(util::messageText(id));
    return texts;
}

bool CTransEditDlg::Ok()
{
    if (m_size < 1 || m_size > CTransRecord::kMaxSize) {
        m_env.Show(util::msg::kTransSizeRange, int(CTransRecord::kMaxSize));
        return false;
    }
    CTransRecord r;
    auto &raw = r.Bytes();
    r.SetDirection(m_direction);
    r.SetDataSize(std::uint16_t(m_size));
    r.SetCondition(m_condition);
    util::setLe16(raw, CTransRecord::kStart + devblock::kDataKind, kDataBit);
    util::setLe16(raw, CTransRecord::kStart + devblock::kCount, 1);
    if (!m_start.BuildInto(m_env.prompt, raw, CTransRecord::kStart, kAddrBit)
        || !m_plc.BuildInto(m_env.prompt, raw, CTransRecord::kPlcBlock, kAddrWord))
        return false;
    r.SetPanelAddress(m_panel);
    m_record = r;
    return true;
}

} // namespace core
