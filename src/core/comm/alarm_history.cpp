#include "core/comm/alarm_history.h"

#include "core/comm/alarm_grid.h"
#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "util/messages.h"

namespace comm {

namespace {

std::string convertText(const TextConverter &convert, const std::string &text)
{
    return convert ? convert(text) : text;
}

bool readBlock(CCommThread &link, std::uint8_t sub, std::uint32_t address, util::Bytes &out)
{
    COMM_CMD c{'r', sub, out, static_cast<std::uint32_t>(out.size()), address, address};
    return link.Run(c);
}

} // namespace

std::optional<std::string> historyTimeText(util::ConstByteSpan f)
{
    if (f.size() < 7)
        return std::nullopt;
    const unsigned year = util::be16(f, 0);
    if (year == 0xFFFF)
        return std::nullopt;
    return util::formatText("%04X-%02X-%02X %02X:%02X:%02X", year, f[2], f[3], f[4], f[5], f[6]);
}

std::vector<AlarmRow> decodeAlarmHistory(util::ConstByteSpan alarmBlock,
                                         util::ConstByteSpan history, const TextConverter &convert)
{
    std::vector<AlarmRow> rows;
    if (history.size() < kHistoryLength)
        return rows;
    for (std::size_t i = 0; i < kWholeEntries; ++i) {
        const util::ConstByteSpan entry = history.subspan(i * kWholeEntrySize, kWholeEntrySize);
        const auto occurred = historyTimeText(entry.subspan(40, 7));
        if (!occurred)
            continue;
        // The text ends at a zero byte or at offset 39, which counts as zero.
        const std::string message = util::fixedText(entry, 2, 37);
        rows.push_back({*occurred, historyTimeText(entry.subspan(47, 7)).value_or(std::string()),
                        convertText(convert, message)});
    }
    if (alarmBlock.size() < kAlarmBlockLength)
        return rows;
    const std::uint16_t count = util::be16(alarmBlock, 0);
    if (count < 1 || count > kMaxAlarms)
        return rows;
    for (std::size_t a = 0; a < count; ++a) {
        const std::size_t record = kAlarmTableSize + a * kAlarmRecordSize;
        const std::string message
                = convertText(convert,
                              util::fixedText(alarmBlock, record + kAlarmMessageOffset,
                                              kAlarmRecordSize - kAlarmMessageOffset));
        for (std::size_t e = 0; e < kPerAlarmEntries; ++e) {
            const util::ConstByteSpan entry
                    = history.subspan(kPerAlarmStart + a * kPerAlarmEntries * kPerAlarmEntrySize
                                              + e * kPerAlarmEntrySize,
                                      kPerAlarmEntrySize);
            const auto occurred = historyTimeText(entry.first(7));
            if (!occurred)
                continue;
            rows.push_back({*occurred, historyTimeText(entry.subspan(7, 7)).value_or(std::string()),
                            message});
        }
    }
    return rows;
}

namespace {

bool uploadHistory(CCommThread &link, IPanelUi &ui, CAlarmGrid &grid, TextConverter convert,
                   const PanelTextChooser *choose)
{
    util::Bytes version(2), alarms(kAlarmBlockLength), history(kHistoryLength);
    util::Bytes menu(kMenuHeaderLength);
    bool read = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        const bool go = link.Connect(status)
                && VerifyPanelPassword(link, ui, status) == PasswordCheck::GoOn;
        if (go) {
            if (!readBlock(link, 'M', kHistVersionAddress, version)) {
                ui.message(CommTextId::HistReadFailed, IPanelUi::Icon::Warning);
            } else if (util::be16(version, 0) < kHistMinVersion) {
                ui.message(CommTextId::HistOldVersion, IPanelUi::Icon::Warning);
                ui.message(CommTextId::HistReadFailed, IPanelUi::Icon::Warning);
            } else if (!readBlock(link, 'G', kAlarmBlockAddress, alarms)
                       || !readBlock(link, 'W', kHistoryAddress, history)
                       || (choose && !readBlock(link, 'P', 0, menu))) {
                ui.message(CommTextId::HistReadFailed, IPanelUi::Icon::Warning);
            } else {
                read = true;
            }
        } else if (link.GetLastError() != 0) {
            ui.message(CommTextId::HistReadFailed, IPanelUi::Icon::Warning);
        }
    }
    if (link.GetLastError() != 0)
        showLinkError(link, ui);
    else
        link.Disconnect();
    if (!read)
        return false;
    if (choose)
        convert = (*choose)(menu);
    for (const AlarmRow &row : decodeAlarmHistory(alarms, history, convert))
        grid.addRow(row);
    return true;
}

} // namespace

bool UploadAlarmHistory(CCommThread &link, IPanelUi &ui, CAlarmGrid &grid,
                        const TextConverter &convert)
{
    return uploadHistory(link, ui, grid, convert, nullptr);
}

bool UploadAlarmHistory(CCommThread &link, IPanelUi &ui, CAlarmGrid &grid,
                        const PanelTextChooser &choose)
{
    return uploadHistory(link, ui, grid, {}, &choose);
}

} // namespace comm
