#pragma once

// The panel's alarm history: the three blocks read from the panel, their decoding into rows
// (occurrence time, clear time, message) and the upload procedure of the alarm-history dialog.

#include "util/byte_order.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace comm {

class CCommThread;
class IPanelUi;
class CAlarmGrid;

struct AlarmRow
{
    std::string alarmDate;
    std::string clearDate; // empty while the alarm has not cleared
    std::string message;
    bool operator==(const AlarmRow &) const = default;
};

inline constexpr std::uint32_t kHistVersionAddress = 1822;
inline constexpr std::uint16_t kHistMinVersion = 0x0101;
inline constexpr std::uint32_t kAlarmBlockAddress = 328;
inline constexpr std::size_t kAlarmBlockLength = 2104;
inline constexpr std::uint32_t kHistoryAddress = 440;
inline constexpr std::size_t kHistoryLength = 13600;
inline constexpr std::size_t kWholeEntries = 200;
inline constexpr std::size_t kWholeEntrySize = 54;
inline constexpr std::size_t kPerAlarmStart = kWholeEntries * kWholeEntrySize; // 10800
inline constexpr std::size_t kMaxAlarms = 20;
inline constexpr std::size_t kPerAlarmEntries = 10;
inline constexpr std::size_t kPerAlarmEntrySize = 14;
inline constexpr std::size_t kAlarmTableSize = 24;
inline constexpr std::size_t kAlarmRecordSize = 104;
inline constexpr std::size_t kAlarmMessageOffset = 66;

// "YYYY-MM-DD hh:mm:ss" of a 7-byte BCD time field; nothing for a year of 0xFFFF (empty field).
std::optional<std::string> historyTimeText(util::ConstByteSpan field);

// Converts a panel text (its code page) to the text shown and stored; identity by default.
using TextConverter = std::function<std::string(const std::string &)>;

// Rows of the whole history in entry order, then of each alarm's own history in table order
// (only while the alarm count is 1 to 20). Entries without an occurrence time are skipped.
std::vector<AlarmRow> decodeAlarmHistory(util::ConstByteSpan alarmBlock,
                                         util::ConstByteSpan history,
                                         const TextConverter &convert = {});

// "Upload" of the alarm-history dialog: reads the three blocks and adds their rows to the grid
// (no duplicates; the grid is not cleared). True when the rows were added.
bool UploadAlarmHistory(CCommThread &link, IPanelUi &ui, CAlarmGrid &grid,
                        const TextConverter &convert = {});

// Picks the converter of the panel's texts from the first kMenuHeaderLength bytes of its menu
// area, which name the panel's language.
using PanelTextChooser = std::function<TextConverter(util::ConstByteSpan menuHeader)>;
inline constexpr std::size_t kMenuHeaderLength = 25;
// The same upload for a caller that knows no language for the panel's texts: the menu area's
// header is read in the same connection and `choose` decides how the texts are decoded.
bool UploadAlarmHistory(CCommThread &link, IPanelUi &ui, CAlarmGrid &grid,
                        const PanelTextChooser &choose);

} // namespace comm
