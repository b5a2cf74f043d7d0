#pragma once

// The logic of the new-screen dialog ("새 화면 추가"): the proposed number and name, the spin
// control that renames the screen after its number, and the checks of OK.

#include "core/model/dorvane_doc.h"

#include "util/message_ids.h"

#include <cstdint>
#include <string>

namespace core {

class CDlgNewScreen
{
public:
    static constexpr int kMsgNameLength = util::msg::kScreenNameLength;
    static constexpr int kMsgNumberRange = util::msg::kIdOutOfRange;
    static constexpr int kMsgScreenFull = util::msg::kMemoryFull;
    static constexpr int kMsgScreenExists = util::msg::kScreenIdTaken;

    // Texts are UTF-8 here; the screen stores its name in the panel code page.
    CDlgNewScreen(CDorvaneDoc &doc, std::uint16_t panelLangId);

    int Number() const { return m_number; }
    const std::string &Name() const { return m_name; }
    void SetName(const std::string &name) { m_name = name; }
    // The spin control: the name follows the number while it is in range.
    void SpinTo(int number);
    // Typing into the number edit keeps the name.
    void SetNumber(int number) { m_number = number; }

    // Checks and adds the screen: 0 and the new screen, or the message to show (the dialog then
    // stays open for 52200 and 52300).
    int Ok(CScreenData **created);

    std::string DefaultName(int number) const;

private:
    CDorvaneDoc &m_doc;
    std::uint16_t m_langId;
    int m_number = 0;
    std::string m_name;
};

} // namespace core
