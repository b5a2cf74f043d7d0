#pragma once

// The system information dialog's reads and texts: the panel's system record, the start of the
// menu area and the identities of both driver slots.

#include "core/comm/comm_text.h"
#include "util/byte_order.h"

#include <optional>
#include <string>
#include <string_view>

namespace comm {

class CCommThread;
class IPanelUi;

struct SystemInfoTexts
{
    std::string osVersion;
    std::string osDate;
    std::string clockType;
    CommText clockTime; // date, the day's name, time of day
    std::string scanMax;
    std::string scanCurrent;
    CommText menuLanguage; // the panel's text, or "none" where the memory is erased
    CommText menuVersion;
    CommText driver1Name; // the panel's text, or "unused"
    std::string driver1Version;
    CommText driver2Name;
    std::string driver2Version;
};

// The panel language's text at bytes 12-14 of the menu area ("KOR", "ENG", ...), as the system
// information shows it; "" when the bytes are too few.
std::string menuLanguageText(util::ConstByteSpan menu);

// A text the panel sent, as it is shown: control bytes, bytes above 0x7E and the backslash
// itself written as escapes ("\x1B", "\\"), so that no panel can move the cursor, clear a
// terminal or break the display's text.
std::string shownPanelText(std::string_view raw);

// Texts from the 28-byte system record, 25 bytes of the menu area and the two 30-byte driver
// identities.
SystemInfoTexts formatSystemInfo(util::ConstByteSpan system, util::ConstByteSpan menu,
                                 util::ConstByteSpan driver1, util::ConstByteSpan driver2);

// "Read": connect, check the password, the four reads; the texts after four good reads.
std::optional<SystemInfoTexts> ReadSystemInfo(CCommThread &link, IPanelUi &ui);

} // namespace comm
