#include "core/presenters/sys_addr_dlg.h"

#include "core/functions/device_addr.h"
#include "core/plc/system_address.h"

#include "util/messages.h"

#include <algorithm>
#include <cctype>

namespace core {

namespace {

bool sameText(const std::string &a, const std::string &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x))
                == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

CSysAddrDlg::CSysAddrDlg(const CPlcSlots &slots, CFunctionPrompt &prompt, int device,
                         std::int32_t kind, bool mustWrite, const std::string &area,
                         const std::string &number)
    : m_slots(slots)
    , m_prompt(prompt)
    , m_device(device)
    , m_kind(kind)
    , m_mustWrite(mustWrite)
    , m_area(area)
    , m_number(number)
{
    const CPlcDrv &drv = m_slots.slot(m_device);
    if (!PanelLike()) {
        m_areaEnabled = true;
        std::vector<std::string> all;
        drv.GetTypeAreaList(m_kind, all);
        for (const std::string &name : all) {
            std::uint32_t readOnly = 0;
            if (m_mustWrite && drv.GetAreaReadOnly(m_kind, name, readOnly) != 0 && readOnly != 0)
                continue;
            m_areas.push_back(name);
        }
        const int index = OfferedIndex(area);
        m_areaIndex = index >= 0 ? index : (m_areas.empty() ? -1 : 0);
        ShowStored(area);
        return;
    }
    if (m_kind != kAddrDWord && !m_mustWrite) {
        for (const SystemAddress &entry : systemAddresses())
            m_systemNames.emplace_back(entry.name);
    }
    SetNumberText(number);
}

bool CSysAddrDlg::PanelLike() const
{
    return Driver().DeviceKind() != kDevicePlc;
}

int CSysAddrDlg::OfferedIndex(const std::string &area) const
{
    const auto it = std::find_if(m_areas.begin(), m_areas.end(),
                                 [&](const std::string &a) { return sameText(a, area); });
    return it != m_areas.end() ? int(it - m_areas.begin()) : -1;
}

// A stored address opens so that OK keeps it: an area-less reference shows as its area and
// number, and a number that would also read as a reference gets its area in front.
void CSysAddrDlg::ShowStored(const std::string &area)
{
    if (m_areaIndex >= 0 && !m_number.empty()) {
        const std::string &current = m_areas[std::size_t(m_areaIndex)];
        if (area.empty()) {
            const TypedAddress read = readTypedAddress(Driver(), m_kind, "", m_number);
            const int index = read.Accepted() ? OfferedIndex(read.readings[0].area) : -1;
            if (index >= 0) {
                m_areaIndex = index;
                m_number = read.readings[0].number;
            }
        } else if (sameText(area, current)
                   && readTypedAddress(Driver(), m_kind, current, m_number).Ambiguous()) {
            m_number = current + m_number;
        }
    }
    Reread();
}

void CSysAddrDlg::Reread()
{
    m_reading = Reading::None;
    m_readingTexts.clear();
    if (!m_areaEnabled || m_areaIndex < 0)
        return;
    const TypedAddress read
            = readTypedAddress(Driver(), m_kind, m_areas[std::size_t(m_areaIndex)], m_number);
    for (const PlcAddress &address : read.readings)
        m_readingTexts.push_back(addressEcho(Driver(), m_kind, address));
    if (read.Ambiguous())
        m_reading = Reading::Ambiguous;
    else if (read.Accepted())
        m_reading = OfferedIndex(read.readings[0].area) >= 0 ? Reading::Address : Reading::ReadOnly;
}

void CSysAddrDlg::SelectArea(int index)
{
    if (index >= 0 && index < int(m_areas.size()))
        m_areaIndex = index;
    Reread();
}

void CSysAddrDlg::SelectSystem(int index)
{
    if (!SystemEnabled() || index >= int(m_systemNames.size()))
        return;
    m_systemIndex = index < 0 ? -1 : index;
    if (m_systemIndex >= 0)
        m_number = systemAddressNumber(systemAddresses()[std::size_t(m_systemIndex)],
                                       m_kind == kAddrBit);
}

void CSysAddrDlg::SetNumberText(const std::string &text)
{
    m_number = text;
    m_systemIndex = -1;
    Reread();
    if (!SystemEnabled())
        return;
    if (const SystemAddress *entry = systemAddressOf(m_number, m_kind == kAddrBit))
        m_systemIndex = int(entry->address - kFirstSystemAddress);
}

bool CSysAddrDlg::Refuse()
{
    m_prompt.ShowMessage(kMsgInvalidAddress, util::formatMessage(kMsgInvalidAddress));
    return false;
}

bool CSysAddrDlg::Ok()
{
    return m_areaEnabled ? OkPlc() : OkPanel();
}

bool CSysAddrDlg::OkPlc()
{
    if (m_areaIndex < 0)
        return Refuse();
    const TypedAddress read
            = readTypedAddress(Driver(), m_kind, m_areas[std::size_t(m_areaIndex)], m_number);
    if (read.Ambiguous()) {
        m_prompt.ShowMessage(kMsgAmbiguousAddress,
                             ambiguousAddressMessage(Driver(), m_kind, m_number, read));
        return false;
    }
    // A point the panel writes to keeps to the areas offered: a read-only one is refused.
    const int index = read.Accepted() ? OfferedIndex(read.readings[0].area) : -1;
    if (index < 0)
        return Refuse();
    m_areaIndex = index;
    m_area = read.readings[0].area;
    m_number = read.readings[0].number;
    Reread();
    return true;
}

bool CSysAddrDlg::OkPanel()
{
    const bool bit = m_kind == kAddrBit;
    if (m_systemIndex >= 0) {
        // A chosen name stands for its word (bit 0). A typed bit address of that word selects
        // the name too; its bit digit is kept rather than replaced by bit 0.
        const SystemAddress &entry = systemAddresses()[std::size_t(m_systemIndex)];
        if (systemAddressOf(m_number, bit) != &entry)
            m_number = systemAddressNumber(entry, bit);
    }
    std::string number = m_number;
    if (Driver().ValidCheck(m_kind, "", number) != 0)
        return Refuse();
    // The panel's system words are its own; a point the panel writes to may not use them.
    if (m_device == 0 && m_mustWrite && !panelAddressWritable(number, bit))
        return Refuse();
    m_area.clear();
    m_number = number;
    return true;
}

std::string CSysAddrDlg::DisplayText() const
{
    return deviceAddressText(m_slots, m_device, m_kind, m_area, m_number);
}

} // namespace core
