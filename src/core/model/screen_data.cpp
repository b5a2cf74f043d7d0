#include "core/model/screen_data.h"

#include "core/model/memory_monitor.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag_factory.h"

#include "util/byte_order.h"
#include "util/code_page.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::size_t kKeyDataKind = 40;
constexpr std::size_t kKeyBit = 42;
constexpr std::size_t kKeyChannel = 58;
constexpr std::size_t kKeyStation = 60;
constexpr std::size_t kKeyAction = 64;

} // namespace

std::string defaultScreenName(std::uint16_t number, std::uint16_t panelLang)
{
    // Screen names are panel text: the interface's word for "screen" in the panel's code page.
    // A word the panel cannot show (Korean on an English panel) gives way to the English one,
    // never to bytes of another code page.
    const std::string_view word = util::messageText(util::msg::kScreenCaption);
    std::string name = util::fromUtf8(word, panelLang).value_or("Screen");
    return name + std::to_string(number);
}

FunctionKeyRecord defaultFunctionKey()
{
    FunctionKeyRecord key{};
    util::setFixedText(key, 0, PLC_DOWN_ADDR_SIZE, "0");
    util::setLe16(key, 40, 2);
    util::setLe16(key, 44, 1);
    util::setLe16(key, 54, 65535);
    return key;
}

CScreenData::CScreenData(std::uint16_t number, std::uint32_t *memoryCounter,
                         CMemoryMonitor *monitor, const TagResources *resources)
    : m_name(defaultScreenName(number, (resources ? *resources : noTagResources()).panelLangId))
    , m_number(number)
    , m_next(std::min<std::uint16_t>(number + 1, kMaxScreenNumber))
    , m_prev(number == 0 ? 0 : number - 1)
    , m_counter(memoryCounter ? memoryCounter : &m_ownCounter)
    , m_monitor(monitor)
    , m_resources(resources ? resources : &noTagResources())
{
    m_keys.fill(defaultFunctionKey());
}

CScreenData::~CScreenData() = default;

int CScreenData::KindCount(int kind) const
{
    return isValidTagKind(kind) ? m_kindCounts[std::size_t(kind)] : 0;
}

TagResult CScreenData::CanAddKind(int kind) const
{
    const TagKindInfo &info = tagKindInfo(kind);
    if (std::uint64_t(*m_counter) + info.cost > kScreenAreaSize)
        return kTagNoRoom;
    if (!isValidTagKind(kind) || m_kindCounts[std::size_t(kind)] >= info.limit)
        return kTagLimit;
    if (info.deviceTag && m_deviceTags >= kMaxDeviceTags)
        return kTagLimit;
    if (m_tags.size() + 1 >= kMaxTagsPerScreen)
        return kTagLimit;
    return kTagOk;
}

TagResult CScreenData::CreateTag(int kind, bool atHead, CTag **out)
{
    const TagResult check = CanAddKind(kind);
    if (check != kTagOk)
        return check;
    std::unique_ptr<CTag> tag = createTag(kind, m_resources);
    if (!tag || tag->Kind() != kind)
        return kTagLimit;
    if (out)
        *out = tag.get();
    Link(std::move(tag), atHead);
    return kTagOk;
}

TagResult CScreenData::AddTag(std::unique_ptr<CTag> tag, bool atHead, CTag **out)
{
    if (!tag)
        return kTagLimit;
    const TagResult check = CanAddKind(tag->Kind());
    if (check != kTagOk)
        return check;
    if (out)
        *out = tag.get();
    Link(std::move(tag), atHead);
    return kTagOk;
}

void CScreenData::Link(std::unique_ptr<CTag> tag, bool atHead)
{
    // A tag made outside the project (a tool's new tag, say) joins it here.
    if (m_resources != &noTagResources() && &tag->Resources() != m_resources)
        tag->BindResources(*m_resources);
    const int kind = tag->Kind();
    const TagKindInfo &info = tagKindInfo(kind);
    ++m_kindCounts[std::size_t(kind)];
    if (info.deviceTag)
        ++m_deviceTags;
    if (atHead)
        m_tags.insert(m_tags.begin(), std::move(tag));
    else
        m_tags.push_back(std::move(tag));
    Charge(info.cost);
}

void CScreenData::Charge(std::int64_t bytes)
{
    *m_counter = std::uint32_t(std::int64_t(*m_counter) + bytes);
    if (m_monitor)
        m_monitor->Publish(MemoryGauge::Screen, *m_counter);
}

std::unique_ptr<CTag> CScreenData::TakeTag(const CTag *tag)
{
    const auto it = std::find_if(m_tags.begin(), m_tags.end(),
                                 [tag](const auto &p) { return p.get() == tag; });
    if (it == m_tags.end())
        return nullptr;
    std::unique_ptr<CTag> taken = std::move(*it);
    m_tags.erase(it);
    const TagKindInfo &info = tagKindInfo(taken->Kind());
    --m_kindCounts[std::size_t(taken->Kind())];
    if (info.deviceTag)
        --m_deviceTags;
    Charge(-std::int64_t(info.cost));
    return taken;
}

void CScreenData::RemoveAllTags()
{
    while (!m_tags.empty())
        TakeTag(m_tags.back().get());
}

bool CScreenData::MoveTagToIndex(const CTag *tag, std::size_t index)
{
    const auto it = std::find_if(m_tags.begin(), m_tags.end(),
                                 [tag](const auto &p) { return p.get() == tag; });
    if (it == m_tags.end())
        return false;
    std::unique_ptr<CTag> moved = std::move(*it);
    m_tags.erase(it);
    index = std::min(index, m_tags.size());
    m_tags.insert(m_tags.begin() + std::ptrdiff_t(index), std::move(moved));
    return true;
}

bool CScreenData::ImageChanged(std::uint16_t imageId, const CTag *exceptTag)
{
    bool repaint = m_background == imageId;
    for (const auto &tag : m_tags)
        if (tag.get() != exceptTag && tag->ImageChanged(imageId))
            repaint = true;
    return repaint;
}

int CScreenData::ImageReferenceCount(std::uint16_t imageId) const
{
    int count = m_background == imageId ? 1 : 0;
    for (const auto &tag : m_tags) {
        const std::vector<std::uint16_t> ids = tag->ImageIds();
        if (std::find(ids.begin(), ids.end(), imageId) != ids.end())
            ++count;
    }
    return count;
}

void CScreenData::RefreshMessageTags(const CStrResMgr &strings)
{
    for (const auto &tag : m_tags)
        if (tag->Kind() == kTagMessage)
            tag->RefreshMessages(strings);
}

void CScreenData::PlcTypeChanged(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    for (const auto &tag : m_tags)
        tag->RevalidateAddress(slots, ch1Changed, ch2Changed);
    for (FunctionKeyRecord &key : m_keys) {
        const std::uint16_t action = util::le16(key, kKeyAction);
        const std::uint16_t channel = util::le16(key, kKeyChannel);
        if (action == 0 || !((channel == 1 && ch1Changed) || (channel == 2 && ch2Changed)))
            continue;
        const std::int32_t kind = action == 1        ? kAddrBit
                : util::le16(key, kKeyDataKind) == 2 ? kAddrWord
                                                     : kAddrDWord;
        const CPlcDrv &drv = slots.slot(channel);
        DownAddr field{};
        std::copy_n(key.begin(), field.size(), field.begin());
        std::string area;
        std::string number;
        std::uint16_t bit = util::le16(key, kKeyBit);
        if (drv.BuildUpAddr(kind, field, area, number, bit) == 0)
            continue;
        drv.GetDefaultAddr(kind, 0, area, number);
        DownAddr rebuilt{};
        std::uint16_t newBit = 0;
        drv.BuildDownAddr(kind, area, number, newBit, rebuilt);
        std::copy(rebuilt.begin(), rebuilt.end(), key.begin());
        util::setLe16(key, kKeyBit, newBit);
    }
}

void CScreenData::StationChanged(std::uint16_t channel, std::uint16_t station)
{
    for (const auto &tag : m_tags)
        tag->ChangeStation(channel, station);
    for (FunctionKeyRecord &key : m_keys)
        if (util::le16(key, kKeyChannel) == channel)
            util::setLe16(key, kKeyStation, station);
}

void CScreenData::AssignInputOrder()
{
    std::vector<CTag *> inputs;
    for (const auto &tag : m_tags)
        if (tag->AcceptsInput())
            inputs.push_back(tag.get());
    std::stable_sort(inputs.begin(), inputs.end(), [](const CTag *a, const CTag *b) {
        return a->Y() != b->Y() ? a->Y() < b->Y() : a->X() < b->X();
    });
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i]->SetInputNumber(std::uint16_t(i));
}

std::array<std::uint16_t, kTagGroupCount> CScreenData::CountTagsPerGroup() const
{
    std::array<std::uint16_t, kTagGroupCount> counts{};
    for (const auto &tag : m_tags)
        if (isValidTagKind(tag->Kind()))
            ++counts[tagKindInfo(tag->Kind()).group];
    return counts;
}

void CScreenData::NumberBmpTextTags(std::uint32_t &counter)
{
    for (const auto &tag : m_tags)
        if (tag->Kind() == kTagBmpText)
            tag->SetTextImageId(std::uint16_t(counter++));
}

TagResult CScreenData::Serialize(util::CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.writeU16(m_next);
        ar.writeU16(m_prev);
        ar.writeString(m_name);
        for (FunctionKeyRecord &key : m_keys)
            ar.writeBytes(key);
        ar.writeU32(std::uint32_t(m_tags.size()));
        for (const auto &tag : m_tags) {
            ar.writeU16(tag->Kind());
            tag->Serialize(ar);
        }
        return kTagOk;
    }

    // Read everything first, so a refused tag never leaves the archive half read.
    const std::uint16_t next = ar.readU16();
    const std::uint16_t prev = ar.readU16();
    std::string name = ar.readString();
    std::array<FunctionKeyRecord, kFunctionKeyCount> keys{};
    for (FunctionKeyRecord &key : keys)
        ar.readBytes(key);
    const std::uint32_t count = ar.readU32();
    if (!ar.ok())
        return kTagBadArchive;
    std::vector<std::unique_ptr<CTag>> loaded;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t kind = ar.readU16();
        std::unique_ptr<CTag> tag = ar.ok() ? createTag(kind, m_resources) : nullptr;
        if (!tag)
            return kTagBadArchive;
        tag->Serialize(ar);
        if (!ar.ok())
            return kTagBadArchive;
        // The body's sizes and anchor are untrusted: a rectangle no tag can have is damage.
        tag->AfterLoad();
        if (!isPlausibleTagRect(tag->Rect()))
            return kTagBadArchive;
        loaded.push_back(std::move(tag));
    }

    std::vector<CTag *> added;
    for (auto &tag : loaded) {
        CTag *raw = tag.get();
        const TagResult result = AddTag(std::move(tag), false);
        if (result != kTagOk) {
            for (auto it = added.rbegin(); it != added.rend(); ++it)
                TakeTag(*it);
            return result;
        }
        added.push_back(raw);
    }
    m_next = next;
    m_prev = prev;
    m_name = std::move(name);
    m_keys = keys;
    return kTagOk;
}

} // namespace core
