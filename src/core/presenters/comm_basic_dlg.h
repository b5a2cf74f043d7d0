#pragma once

// The logic of the panel settings dialog ("파라미터 설정"), on a copy of the parameter block:
// start screen, screen saver, backlight, panel menu language, latch range and the two
// screen-number links with a PLC (online screen change, current-screen transfer). OK checks the
// latch range, then stores the fields and builds the download address of each link that is on.

#include "core/app/lang_info.h"
#include "core/plc/panel_params.h"
#include "core/plc/plc_slots.h"
#include "core/presenters/function_prompt.h"
#include "core/presenters/sys_addr_dlg.h"

#include "util/message_ids.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

class CCommBasicDlg
{
public:
    static constexpr int kMsgLatchRange = util::msg::kAddressRange;
    static constexpr int kMsgLatchOrder = util::msg::kStartAfterEnd;
    static constexpr std::uint32_t kLatchLimit = 1000; // panel words 0 to 999
    static constexpr std::uint16_t kStationCount = 32;

    CCommBasicDlg(const CPlcSlots &plcSlots, CFunctionPrompt &prompt, const CLangInfo &languages,
                  const ParamBlock &params);

    // --- plain fields -----------------------------------------------------------------------
    std::uint16_t initialScreen = 0;
    bool saverOn = false;
    std::uint16_t saverWait = 0;
    std::uint16_t saverScreen = 0;
    bool backlightOn = false;
    std::uint16_t backlightWait = 0;
    bool latchOn = false;
    // As typed; OK checks the range before anything is stored.
    std::uint32_t latchStart = 0;
    std::uint32_t latchEnd = 0;

    // "Velmar Panel  메뉴:" combo.
    const std::vector<std::string> &Languages() const { return m_languages; }
    int LanguageIndex() const { return m_language; }
    void SelectLanguage(int index);

    // --- the two address groups (CPanelParams::kScreenChange, kScreenTransfer) -----------------
    bool GroupOn(int group) const { return m_groups.at(group).on; }
    void SetGroupOn(int group, bool on) { m_groups.at(group).on = on; }
    std::uint16_t GroupDevice(int group) const { return m_groups.at(group).device; }
    std::uint16_t GroupStation(int group) const { return m_groups.at(group).station; }
    // "Ch1"/"Ch2" are live only for a channel that holds a PLC (device kind 3).
    bool DeviceEnabled(int device) const;
    // A radio click; a change of device starts from that device's default address. False when
    // the radio is disabled.
    bool ChooseDevice(int group, std::uint16_t device);
    void SetStation(int group, std::uint16_t station);
    // The address as shown: a panel system word by name, else area and number.
    std::string GroupText(int group) const;
    const std::string &GroupArea(int group) const { return m_groups.at(group).area; }
    const std::string &GroupNumber(int group) const { return m_groups.at(group).number; }
    // The address entry dialog for a group's browse button, and taking its result.
    std::unique_ptr<CSysAddrDlg> OpenAddressEntry(int group, CFunctionPrompt &prompt) const;
    void AcceptAddress(int group, const CSysAddrDlg &entry);
    // The same for an address entry run elsewhere: its device is the group's, its kind a word,
    // and it must be writable when the panel writes to it (GroupWrites).
    void SetGroupAddress(int group, const std::string &area, const std::string &number);
    static bool GroupWrites(int group) { return group == CPanelParams::kScreenTransfer; }

    // --- OK -----------------------------------------------------------------------------------
    bool Ok();
    // The block OK built (the copy as opened until then).
    const ParamBlock &Result() const { return m_params.Bytes(); }

private:
    struct Group
    {
        bool on = false;
        std::uint16_t device = 0;
        std::uint16_t station = 0;
        std::string area;
        std::string number = "0";
    };

    void LoadGroup(int group);
    PanelAddrGroup BuildGroup(int group) const;
    bool Refuse(int id, const std::string &text);

    const CPlcSlots &m_slots;
    CFunctionPrompt &m_prompt;
    CPanelParams m_params;
    std::vector<std::string> m_languages;
    int m_language = 0;
    std::array<Group, 2> m_groups;
};

} // namespace core
