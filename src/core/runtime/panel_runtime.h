#pragma once

// A project running as the panel runs it: the screen shown, the function keys and touch buttons
// writing device memory, numeric entry, and on every scan the screen-number links with the PLC,
// the alarms (with their history in the alarm-history area W), the calculations, the block
// transfers, the reservations and the trend samples.
//
// The runtime reads the document it was made for; after the document changed, Reload() picks
// the changes up and keeps the memory. Everything runs on the caller's thread; a scan of the
// demo project takes well under a millisecond.
//
// Conventions chosen where the records leave the panel's behaviour open:
// - An alarm fires when its bit turns into the alarm's condition; every bit counts as 0 before
//   the first scan (an On alarm whose bit is already set fires on the first scan, an Off alarm
//   only after its bit was On).
// - Start conditions "On"/"Off" trigger once when the start bit turns On/Off, "change" on every
//   change, "On continuously"/"Off continuously" on every scan while the bit is in that state;
//   the start bit too counts as 0 before the first scan.
// - The PLC's screen-change word switches the screen when its value changes to the number of an
//   existing screen (and on the first scan, when it names one), so keys can still change screens
//   while the word stays put.
// - Value increase and decrease stop at the limits of the key's data type.
// - A calculation that divides by zero, or whose BCD operand or result is no BCD number, writes
//   nothing.

#include "core/runtime/device_memory.h"
#include "core/runtime/panel_state.h"

#include "util/byte_order.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class CDorvaneDoc;
class CScreenData;
class CTag;

enum class RuntimeResult {
    Ok,
    NoTarget, // nothing there: no button at the point, a key without function, a read-only tag
    BadValue, // the text is no number in the tag's base and sign
    OutOfRange, // outside the tag's limits
    PasswordRefused, // no password entered, or a wrong one
    UnknownScreen,
};

// Keys: F1 to F4, then up, down, left, right.
enum PanelKey : int { kKeyF1 = 0, kKeyF2, kKeyF3, kKeyF4, kKeyUp, kKeyDown, kKeyLeft, kKeyRight };

// An alarm the panel shows.
struct ActiveAlarm
{
    std::size_t index = 0; // in the project's alarm list
    std::string message; // the record's bytes, in the panel's code page
    std::string text; // the same as UTF-8, as the editor shows it
    std::tm occurred{};
    bool cleared = false; // the condition is gone; still shown until acknowledged
};

// The alarm-history area W as the panel keeps it: 440 bytes of panel data, then the history the
// editor reads back (200 entries of the whole history, then 10 per alarm). Empty time fields
// hold 0xFF.
inline constexpr std::size_t kHistoryOffset = 440;
inline constexpr std::size_t kHistoryAreaSize = kHistoryOffset + 13600;
util::Bytes emptyAlarmHistoryArea();
// Records an occurrence of alarm `index` (0 to 19) with its message bytes: into the first free
// entry of the whole history and of the alarm's own history; when full, the oldest entry makes
// room. False when the area is too small or the index out of range.
bool AppendAlarmHistory(util::Bytes &areaW, std::size_t index, std::string_view message,
                        const std::tm &occurred);
// Writes the clear time into the newest uncleared entries of alarm `index`.
bool RecordAlarmClear(util::Bytes &areaW, std::size_t index, const std::tm &cleared);

// The values numeric entry into a tag accepts, as the operator types them (in the tag's base).
struct EntryLimits
{
    std::string low;
    std::string high;
};
// The tag's limits within what its word or double word holds; nothing for a tag that takes no
// entry.
std::optional<EntryLimits> entryLimits(const CTag &tag);

class CPanelRuntime final : public IPanelState
{
public:
    // `textLangId`: the LANGID of the panel language, for showing alarm messages.
    explicit CPanelRuntime(const CDorvaneDoc &doc, std::uint16_t textLangId = 0x0412);
    ~CPanelRuntime() override;
    CPanelRuntime(const CPanelRuntime &) = delete;
    CPanelRuntime &operator=(const CPanelRuntime &) = delete;

    // After the document changed: re-reads screens, records and parameters; memory, clock,
    // history and (while it exists) the current screen stay.
    void Reload();
    // A simulated power cycle: memory reset (latched words stay), the initial screen, no active
    // alarms, edge detection starts over. The history stays.
    void Restart();

    CDeviceMemory &Memory() { return m_memory; }
    const CDeviceMemory &Memory() const { return m_memory; }

    // --- IPanelState ---------------------------------------------------------------------------
    std::uint32_t Value(const CPointInfo &point) const override;
    bool Failed(const CPointInfo &point) const override { return m_memory.Failed(point); }
    std::vector<std::uint32_t> TrendSamples(const CTag &tag) const override;
    std::tm Clock() const override { return m_clock; }

    // --- password --------------------------------------------------------------------------------
    // The panel's password, and how the panel asks for it (nothing = the operator cancelled).
    using PasswordPrompt = std::function<std::optional<std::string>()>;
    void SetPanelPassword(std::string password) { m_password = std::move(password); }
    void SetPasswordPrompt(PasswordPrompt prompt) { m_prompt = std::move(prompt); }

    // --- screens ---------------------------------------------------------------------------------
    std::uint16_t CurrentScreen() const { return m_screen; }
    // The shown screen, or null when the project has none.
    const CScreenData *Screen() const;
    // False (and nothing changes) for a number the project has no screen for.
    bool ShowScreen(std::uint16_t number);

    // --- keys and touch --------------------------------------------------------------------------
    RuntimeResult PressKey(int key);
    RuntimeResult ReleaseKey(int key);
    // The frontmost button or writable numeric tag of the shown screen at a display point.
    const CTag *InputAt(int x, int y) const;
    // Touch: a button at the point acts on its bit (a numeric tag is left to EnterValue).
    RuntimeResult Press(int x, int y);
    // Ends a touch: a button held "On while pressed" turns its bit off.
    void Release();
    // Numeric entry into a writable numeric tag: read in the tag's base and sign, within its
    // limits, after the password when the tag asks for one.
    RuntimeResult EnterValue(const CTag &tag, std::string_view text);

    // --- scan ------------------------------------------------------------------------------------
    void Scan(const std::tm &now);
    void Scan(std::chrono::system_clock::time_point now);

    // --- alarms ----------------------------------------------------------------------------------
    // Oldest first; the display shows the last one.
    const std::vector<ActiveAlarm> &ActiveAlarms() const { return m_active; }
    // Drops the alarms whose condition is gone.
    void AcknowledgeAlarms();
    const util::Bytes &AlarmHistoryArea() const { return m_history; }
    // Takes a stored area W (the simulator's); a too short one is replaced by an empty area.
    void SetAlarmHistoryArea(util::Bytes area);

private:
    struct Compiled;

    bool CheckPassword();
    RuntimeResult RunKey(std::size_t key, bool press);
    void ScanLinks();
    void ScanAlarms();
    void ScanCalculations();
    void ScanTransfers();
    void ScanReservations(long long now);
    void ScanTrends(long long now);

    const CDorvaneDoc &m_doc;
    std::uint16_t m_langId;
    CDeviceMemory m_memory;
    std::unique_ptr<Compiled> m_c;
    std::uint16_t m_screen = 0;
    std::tm m_clock{};
    std::optional<long long> m_lastScan; // seconds of the previous scan's clock
    std::string m_password;
    PasswordPrompt m_prompt;
    std::array<bool, 8> m_heldKeys{}; // a momentary key whose press went through
    std::optional<MemoryKey> m_heldButton;
    std::vector<ActiveAlarm> m_active;
    util::Bytes m_history;
    std::map<const CTag *, std::deque<std::uint32_t>> m_trends;
    std::map<const CTag *, long long> m_trendNext;
};

} // namespace core
