#pragma once

// The logic of the block-transfer editor: direction, data size, the PLC address (Ch1 or Ch2),
// the panel word, the start bit and the condition. The size is corrected when its edit loses the
// focus: at least 1, at most the driver's largest transfer, and back to 1 when the panel-side
// block would run past its area.

#include "core/functions/trans_record.h"
#include "core/presenters/addr_group.h"
#include "core/presenters/function_env.h"

#include <string>

namespace core {

class CTransEditDlg
{
public:
    explicit CTransEditDlg(const FunctionEnv &env);

    // The list cannot open without a PLC on channel 1 or 2 (50200 shown).
    static bool CanOpen(const FunctionEnv &env);

    void Load(const CTransRecord &record);
    const CTransRecord &Held() const { return m_record; }

    std::uint16_t Direction() const { return m_direction; }
    // A different direction resets the panel word to "0".
    void SetDirection(std::uint16_t direction);

    std::uint32_t DataSize() const { return m_size; }
    std::string DataSizeText() const { return std::to_string(m_size); }
    // The size edit lost the focus with `typed` (anything not a number counts as 0). An empty
    // or zero size becomes 1, one above the channel's largest transfer is cut to it, and one
    // whose block would run past the panel area falls back to 1; each correction says the
    // allowed range. True when the size was taken as typed.
    bool DataSizeFocusLost(const std::string &typed);
    // The largest size the PLC channel and the panel area allow at the current HMI word.
    std::uint32_t LargestDataSize() const;

    CAddrGroup &Plc() { return m_plc; }
    const std::string &PanelAddress() const { return m_panel; }
    // A panel word chosen through the browse button; the size falls back to 1 when the block
    // no longer fits.
    void SetPanelAddress(const std::string &number);

    CAddrGroup &Start() { return m_start; }
    std::uint16_t Condition() const { return m_condition; }
    // "Always" disables the start group.
    void SetCondition(std::uint16_t condition);
    static std::vector<std::string> ConditionTexts();

    // False when the size is outside 1 to 899 (the range message is shown).
    bool Ok();

private:
    std::uint32_t PanelWord() const;
    void ApplyAreaLimit();

    FunctionEnv m_env;
    CTransRecord m_record;
    CAddrGroup m_plc;
    CAddrGroup m_start;
    std::uint16_t m_direction = CTransRecord::kToPanel;
    std::uint32_t m_size = 2;
    std::string m_panel = "0";
    std::uint16_t m_condition = 0;
};

} // namespace core
