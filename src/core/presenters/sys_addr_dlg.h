#pragma once

// The logic of the address entry dialog ("주소 입력"), through which every property dialog edits
// one device address. For a PLC it offers the driver's memory areas for the address kind (only
// writable ones when the point is written to); for the panel's own memory it offers the named
// system addresses instead. OK checks the typed number with the device's rules. A PLC number may
// also be typed with its area in front ("4x1") or in the driver's area-less form (the Modbus
// reference 40001); the dialog echoes what the text stands for while it is typed, and OK refuses
// a text that stands for two addresses instead of guessing.

#include "core/plc/address_entry.h"
#include "core/plc/plc_slots.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CSysAddrDlg
{
public:
    static constexpr int kMsgInvalidAddress = util::msg::kBadAddress;
    static constexpr int kMsgAmbiguousAddress = util::msg::kAmbiguousAddress;

    // What the typed PLC number stands for.
    enum class Reading {
        None, // nothing the driver takes (or not a PLC)
        Address, // one address the point may use
        ReadOnly, // one address, in an area the point may not use
        Ambiguous, // two or more addresses
    };

    // `device` 0 panel, 1 or 2 a channel; `kind` 1 bit, 2 word, 4 double word; `mustWrite`
    // when the panel writes to the point. `area` and `number` are the current texts.
    CSysAddrDlg(const CPlcSlots &plcSlots, CFunctionPrompt &prompt, int device, std::int32_t kind,
                bool mustWrite, const std::string &area, const std::string &number);

    // Area combo: enabled for a PLC (device kind 3) only.
    bool AreaEnabled() const { return m_areaEnabled; }
    const std::vector<std::string> &Areas() const { return m_areas; }
    int AreaIndex() const { return m_areaIndex; }
    void SelectArea(int index);

    // "특수 버퍼" combo: the 52 system-address names, for a panel word or bit that is only read.
    bool SystemEnabled() const { return !m_systemNames.empty(); }
    const std::vector<std::string> &SystemNames() const { return m_systemNames; }
    // -1 when no system address is chosen.
    int SystemIndex() const { return m_systemIndex; }
    // Chooses a system address (-1 for none); the number edit follows it.
    void SelectSystem(int index);

    const std::string &NumberText() const { return m_number; }
    // Typing in the number edit; the system combo follows a number that names one.
    void SetNumberText(const std::string &text);

    // The reading of the typed text and its echoes ("4x1 = 40001"): one for an address, one per
    // reading when ambiguous, none otherwise.
    Reading TypedReading() const { return m_reading; }
    const std::vector<std::string> &ReadingTexts() const { return m_readingTexts; }

    // Checks the entry; a refused one shows message 52350 (52351 when ambiguous) and leaves the
    // dialog open.
    bool Ok();

    // The accepted address (after Ok).
    const std::string &Area() const { return m_area; }
    const std::string &Number() const { return m_number; }
    // How the accepted address is shown: a panel number by its system-address name when it
    // names one, otherwise area and number.
    std::string DisplayText() const;

private:
    bool PanelLike() const;
    const CPlcDrv &Driver() const { return m_slots.slot(m_device); }
    int OfferedIndex(const std::string &area) const;
    void ShowStored(const std::string &area);
    void Reread();
    bool Refuse();
    bool OkPlc();
    bool OkPanel();

    const CPlcSlots &m_slots;
    CFunctionPrompt &m_prompt;
    int m_device;
    std::int32_t m_kind;
    bool m_mustWrite;
    bool m_areaEnabled = false;
    std::vector<std::string> m_areas;
    int m_areaIndex = -1;
    std::vector<std::string> m_systemNames;
    int m_systemIndex = -1;
    std::string m_area;
    std::string m_number;
    Reading m_reading = Reading::None;
    std::vector<std::string> m_readingTexts;
};

} // namespace core
