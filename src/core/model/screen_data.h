#pragma once

// One screen of a project: a numbered, named page of the panel with its tags in drawing order
// (first = backmost), its eight function-key records, its neighbours and an optional background
// image. Every tag charges its screen-area bytes against the document's shared counter, so a tag
// that would not fit, or would break its kind's or the device tags' limit, is refused.

#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"

#include "util/archive.h"

#include "util/message_ids.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

class CMemoryMonitor;
class CPlcSlots;
class CStrResMgr;

inline constexpr std::size_t kFunctionKeyCount = 8;
inline constexpr std::size_t kFunctionKeySize = 70;
using FunctionKeyRecord = std::array<std::uint8_t, kFunctionKeySize>;

// Results of the guarded tag operations.
enum class TagResult : int { Ok = 0, NoRoom = 1, Limit = 3, BadArchive = -1 };
inline constexpr TagResult kTagOk = TagResult::Ok;
inline constexpr TagResult kTagNoRoom = TagResult::NoRoom;
inline constexpr TagResult kTagLimit = TagResult::Limit;
// Result of pasting a screen whose archive is cut short or names no known tag class.
inline constexpr TagResult kTagBadArchive = TagResult::BadArchive;
// The message a refused tag gets: the screen area is full, or a kind's limit is reached.
inline constexpr int tagRefusalMessage(TagResult result)
{
    return result == kTagNoRoom ? util::msg::kMemoryFull : util::msg::kTagLimit;
}

inline constexpr std::uint32_t kScreenMemoryEmpty = 10;
inline constexpr std::uint16_t kMaxScreenNumber = 999;

// The default screen name: "화면" (screen) in the panel code page, followed by the number.
std::string defaultScreenName(std::uint16_t number, std::uint16_t panelLangId);
// A new function-key record: zeroed, address "0", data kind word, count 1, maximum 65535.
FunctionKeyRecord defaultFunctionKey();

class CScreenData
{
public:
    // `memoryCounter` is the document's screen-area total shared by all its screens; without one
    // the screen keeps its own (starting at 10). `resources` are the project's, which its tags
    // join; without them the tags belong to no project.
    explicit CScreenData(std::uint16_t number, std::uint32_t *memoryCounter = nullptr,
                         CMemoryMonitor *monitor = nullptr,
                         const TagResources *resources = nullptr);
    virtual ~CScreenData();
    CScreenData(const CScreenData &) = delete;
    CScreenData &operator=(const CScreenData &) = delete;

    // Clipboard form ("KOHMI_SCR"). Loading reads the whole archive first and then adds the tags;
    // when one is refused, nothing is added, the screen is unchanged and the refusal (1 or 3) is
    // returned; an archive that is cut short, names an unknown kind or holds a tag whose
    // rectangle no tag can have (isPlausibleTagRect) gives kTagBadArchive.
    virtual TagResult Serialize(util::CArchive &ar);

    // The guarded operations. Order: memory, limits, construction, linking, counter, notification.
    TagResult CanAddKind(int kind) const;
    TagResult CreateTag(int kind, bool atHead, CTag **out = nullptr);
    TagResult AddTag(std::unique_ptr<CTag> tag, bool atHead, CTag **out = nullptr);
    // Unlinks the tag and gives its bytes back; the caller gets it (for undo), or null when the
    // tag is not on this screen.
    std::unique_ptr<CTag> TakeTag(const CTag *tag);
    bool RemoveTag(const CTag *tag) { return TakeTag(tag) != nullptr; }
    void RemoveAllTags();
    // Moves a tag of this screen to list position `index` (z-order); false when it is not here.
    bool MoveTagToIndex(const CTag *tag, std::size_t index);

    // True when the view must be repainted: the image is the screen's background, or a tag other
    // than `exceptTag` shows it.
    bool ImageChanged(std::uint16_t imageId, const CTag *exceptTag = nullptr);
    // References to an image on this screen: 1 for the background, plus 1 for every tag that
    // shows it in any of its slots.
    int ImageReferenceCount(std::uint16_t imageId) const;
    // Every message tag reloads its texts.
    void RefreshMessageTags(const CStrResMgr &strings);
    // After a channel's PLC type changed: every tag revalidates its addresses, and function keys
    // on a changed channel take the new driver's default address.
    void PlcTypeChanged(const CPlcSlots &plcSlots, bool ch1Changed, bool ch2Changed);
    // Tags and function keys on `channel` take the station.
    void StationChanged(std::uint16_t channel, std::uint16_t station);
    // Numbers the input objects 0, 1, ... by their anchor: top to bottom, then left to right.
    void AssignInputOrder();
    // Tags per screen-record group (kinds 6 and 15 share one).
    std::array<std::uint16_t, kTagGroupCount> CountTagsPerGroup() const;
    // Each image-text tag in list order takes the counter's value; the counter advances.
    void NumberBmpTextTags(std::uint32_t &counter);

    const std::vector<std::unique_ptr<CTag>> &Tags() const { return m_tags; }
    std::size_t TagCount() const { return m_tags.size(); }
    int KindCount(int kind) const;
    int DeviceTagCount() const { return m_deviceTags; }

    FunctionKeyRecord &FunctionKey(std::size_t index) { return m_keys.at(index); }
    const FunctionKeyRecord &FunctionKey(std::size_t index) const { return m_keys.at(index); }

    const std::string &Name() const { return m_name; }
    void SetName(const std::string &name) { m_name = name; }
    std::uint16_t Number() const { return m_number; }
    void SetNumber(std::uint16_t number) { m_number = number; }
    std::uint16_t NextScreen() const { return m_next; }
    void SetNextScreen(std::uint16_t n) { m_next = n; }
    std::uint16_t PrevScreen() const { return m_prev; }
    void SetPrevScreen(std::uint16_t n) { m_prev = n; }
    std::uint16_t BackgroundImage() const { return m_background; }
    void SetBackgroundImage(std::uint16_t id) { m_background = id; }
    bool IsBackgroundOn() const { return m_backgroundOn != 0; }
    void SetBackgroundOn(bool on) { m_backgroundOn = on ? 1 : 0; }
    bool IsPasswordOn() const { return m_password != 0; }
    void SetPasswordOn(bool on) { m_password = on ? 1 : 0; }

    std::uint32_t MemoryUsed() const { return *m_counter; }
    // The project's images, messages and languages its tags read.
    const TagResources &Resources() const { return *m_resources; }

private:
    void Link(std::unique_ptr<CTag> tag, bool atHead);
    void Charge(std::int64_t bytes);

    std::vector<std::unique_ptr<CTag>> m_tags;
    std::array<FunctionKeyRecord, kFunctionKeyCount> m_keys{};
    std::string m_name;
    std::uint16_t m_number = 0;
    std::uint16_t m_next = 0;
    std::uint16_t m_prev = 0;
    std::uint16_t m_background = 65535;
    std::uint32_t m_backgroundOn = 0;
    std::uint32_t m_password = 0;
    std::uint32_t m_ownCounter = kScreenMemoryEmpty;
    std::uint32_t *m_counter = nullptr;
    CMemoryMonitor *m_monitor = nullptr;
    const TagResources *m_resources = nullptr;
    std::array<int, kTagKindCount> m_kindCounts{};
    int m_deviceTags = 0;
};

} // namespace core
