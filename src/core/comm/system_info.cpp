#include "core/comm/system_info.h"

#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "util/messages.h"

#include <algorithm>
#include <cstring>

namespace comm {

namespace {

std::string version(std::uint16_t word)
{
    return util::formatText("%X.%02X", word >> 8, word & 0xFF);
}

// A field of erased memory (every byte 0xFF): nothing has been loaded there.
bool erased(util::ConstByteSpan bytes)
{
    return !bytes.empty()
            && std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; });
}

// The panel's text, or "none" for an erased field.
CommText panelField(util::ConstByteSpan record, std::size_t offset, std::size_t length)
{
    if (record.size() >= offset + length && erased(record.subspan(offset, length)))
        return CommTextId::NothingLoaded;
    return CommText::of(shownPanelText(util::fixedText(record, offset, length)));
}

void driverTexts(util::ConstByteSpan id, CommText &name, std::string &ver)
{
    static constexpr std::uint8_t kNoUse[] = {'N', 'O', ' ', 'U', 'S', 'E', 0};
    if (id.size() >= 13 && std::memcmp(id.data() + 6, kNoUse, sizeof kNoUse) == 0) {
        name = CommTextId::DriverUnused;
        ver.clear();
        return;
    }
    name = panelField(id, 10, 20);
    if (name.id == CommTextId::NothingLoaded)
        ver.clear();
    else
        ver = version(util::be16(id, 8));
}

} // namespace

std::string shownPanelText(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\')
            out += "\\\\";
        else if (byte < 0x20 || byte > 0x7E)
            out += util::formatText("\\x%02X", byte);
        else
            out += c;
    }
    return out;
}

std::string menuLanguageText(util::ConstByteSpan menu)
{
    return menu.size() < 15 ? std::string() : util::fixedText(menu, 12, 3);
}

SystemInfoTexts formatSystemInfo(util::ConstByteSpan m, util::ConstByteSpan menu,
                                 util::ConstByteSpan driver1, util::ConstByteSpan driver2)
{
    SystemInfoTexts t;
    const auto w = [&](std::size_t offset) { return unsigned{util::be16(m, offset)}; };
    t.osVersion = version(static_cast<std::uint16_t>(w(22)));
    t.osDate = util::formatText("%04X-%02X-%02X", w(24), w(26) >> 8, w(26) & 0xFF);
    t.clockType = w(20) != 0 ? "Type B: RTC Type" : "Type A: No RTC Type";
    t.clockTime = {CommTextId::ClockReading,
                   {CommText::of(util::formatText("%04X-%02X-%02X", w(0), w(2), w(4))),
                    weekdayText(w(12)),
                    CommText::of(util::formatText("%02X:%02X:%02X", w(6), w(8), w(10)))}};
    t.scanMax = util::formatText("%u", w(14));
    t.scanCurrent = util::formatText("%u", w(18));
    t.menuLanguage = panelField(menu, 12, 3);
    t.menuVersion = panelField(menu, 20, 4);
    driverTexts(driver1, t.driver1Name, t.driver1Version);
    driverTexts(driver2, t.driver2Name, t.driver2Version);
    return t;
}

std::optional<SystemInfoTexts> ReadSystemInfo(CCommThread &link, IPanelUi &ui)
{
    util::Bytes system(28), menu(25), driver1(30), driver2(30);
    bool read = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        if (link.Connect(status) && VerifyPanelPassword(link, ui, status) == PasswordCheck::GoOn) {
            COMM_CMD reads[] = {
                    {'r', 'M', system, 28, 1800, 1800},
                    {'r', 'P', menu, 25, 0, 0},
                    {'r', 'Z', driver1, 30, 0, 0},
                    {'r', 'Z', driver2, 30, 0x3000, 0x3000},
            };
            read = true;
            for (COMM_CMD &c : reads) {
                if (!link.Run(c)) {
                    read = false;
                    ui.message(CommTextId::SysInfoFailed, IPanelUi::Icon::Warning);
                    break;
                }
            }
        }
    }
    if (link.GetLastError() != 0)
        showLinkError(link, ui);
    else
        link.Disconnect();
    if (!read)
        return std::nullopt;
    return formatSystemInfo(system, menu, driver1, driver2);
}

} // namespace comm
