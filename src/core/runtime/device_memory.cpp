#include "core/runtime/device_memory.h"

#include "core/functions/device_block.h"
#include "core/model/dorvane_doc.h"
#include "core/plc/plc_slots.h"
#include "core/plc/system_address.h"
#include "core/tags/point_info.h"
#include "core/tags/point_record.h"

#include "util/messages.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace core {

namespace {

std::uint32_t widthMask(std::int32_t kind)
{
    switch (kind) {
    case kAddrBit:
        return 1;
    case kAddrWord:
        return 0xFFFF;
    default:
        return 0xFFFFFFFF;
    }
}

std::uint16_t dataSizeOf(std::int32_t kind)
{
    return kind == kAddrBit ? kSizeBit : kind == kAddrWord ? kSizeWord : kSizeDWord;
}

std::optional<unsigned long> decimal(std::string_view text)
{
    unsigned long value = 0;
    if (text.empty())
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The panel cell of a download address the built-in rules made: the field holds the word number
// as decimal text.
std::optional<MemoryKey> panelKey(std::int32_t kind, const DownAddr &field, std::uint16_t bit)
{
    std::string text;
    for (const std::uint8_t c : field) {
        if (c == 0)
            break;
        text.push_back(char(c));
    }
    const auto word = decimal(text);
    const unsigned long last = kind == kAddrDWord ? kPanelWords - 2 : kPanelWords - 1;
    if (!word || *word > last || bit > 15)
        return std::nullopt;
    MemoryKey key;
    key.kind = kind;
    key.word = std::uint16_t(*word);
    key.bit = kind == kAddrBit ? bit : 0;
    return key;
}

bool channelHasPlc(const CPlcSlots &slots, std::uint16_t channel)
{
    return (channel == 1 || channel == 2) && slots.slot(channel).DeviceKind() != kDeviceNone;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

CDeviceMemory::CDeviceMemory(const CPlcSlots &slots)
    : m_slots(slots)
{ }

std::optional<MemoryKey> CDeviceMemory::KeyOf(const CPointInfo &point) const
{
    const std::int32_t kind = pointAddrKind(point);
    std::string id = std::to_string(point.m_channel) + '/' + std::to_string(point.m_station) + '/'
            + std::to_string(kind) + '/' + point.m_address + '/' + point.m_second;
    if (const auto it = m_resolved.find(id); it != m_resolved.end())
        return it->second;
    std::optional<MemoryKey> key;
    DownAddr field{};
    std::uint16_t bit = 0;
    if (point.m_channel == 0) {
        if (builtin::BuildDownAddr(kind, point.m_second, bit, field) >= 0)
            key = panelKey(kind, field, bit);
    } else if (channelHasPlc(m_slots, point.m_channel)
               && buildPointAddress(m_slots, point, kind, 0, field, bit) >= 0) {
        key = MemoryKey{point.m_channel, point.m_station, kind, 0, bit, field};
    }
    m_resolved.emplace(std::move(id), key);
    return key;
}

std::optional<MemoryKey> CDeviceMemory::KeyOfBlock(util::ConstByteSpan record, std::size_t block,
                                                   std::int32_t kind) const
{
    if (record.size() < block + devblock::kSize)
        return std::nullopt;
    return KeyOfField(util::le16(record, block + devblock::kChannel),
                      util::le16(record, block + devblock::kStation), kind,
                      devblock::field(record, block), util::le16(record, block + devblock::kBit));
}

std::optional<MemoryKey> CDeviceMemory::KeyOfField(std::uint16_t channel, std::uint16_t station,
                                                   std::int32_t kind, const DownAddr &field,
                                                   std::uint16_t bit) const
{
    if (kind != kAddrBit)
        bit = 0;
    if (channel == 0)
        return panelKey(kind, field, bit);
    if (!channelHasPlc(m_slots, channel))
        return std::nullopt;
    return MemoryKey{channel, station, kind, 0, bit, field};
}

std::vector<MemoryKey> CDeviceMemory::KeyRun(util::ConstByteSpan record, std::size_t block,
                                             std::int32_t kind, std::size_t count) const
{
    std::vector<MemoryKey> run;
    const auto first = KeyOfBlock(record, block, kind);
    if (!first || count == 0)
        return run;
    run.push_back(*first);
    const std::size_t step = kind == kAddrDWord ? 2 : 1;
    if (first->channel == 0) {
        for (std::size_t i = 1; i < count; ++i) {
            MemoryKey next = *first;
            const std::size_t word = first->word + i * step;
            if (word + step > kPanelWords)
                break;
            next.word = std::uint16_t(word);
            run.push_back(next);
        }
        return run;
    }
    const CPlcDrv &drv = m_slots.slot(first->channel);
    std::string area, number;
    std::uint16_t bit = 0;
    drv.BuildUpAddr(kind, first->field, area, number, bit);
    const auto base = decimal(number);
    for (std::size_t i = 1; base && i < count; ++i) {
        // Keep the width of the text: a reference such as 40001 counts on as 40002.
        std::string text = std::to_string(*base + i * step);
        if (text.size() < number.size())
            text.insert(0, number.size() - text.size(), '0');
        MemoryKey next = *first;
        if (drv.BuildDownAddr(kind, area, text, bit, next.field) < 0)
            break;
        run.push_back(next);
    }
    return run;
}

MemoryKey CDeviceMemory::PanelWord(std::uint16_t word)
{
    MemoryKey key;
    key.word = word;
    return key;
}

std::uint32_t CDeviceMemory::Read(const MemoryKey &key) const
{
    if (key.channel != 0)
        return plc(key.channel).Read(key);
    if (key.word >= kPanelWords)
        return 0;
    switch (key.kind) {
    case kAddrBit:
        return (m_words[key.word] >> (key.bit & 15)) & 1u;
    case kAddrWord:
        return m_words[key.word];
    default:
        if (key.word + 1 >= kPanelWords)
            return 0;
        return m_words[key.word] | (std::uint32_t(m_words[key.word + 1]) << 16);
    }
}

void CDeviceMemory::Write(const MemoryKey &key, std::uint32_t value)
{
    value &= widthMask(key.kind);
    if (key.channel != 0) {
        plc(key.channel).Write(key, value);
        return;
    }
    if (key.word >= kPanelWords)
        return;
    switch (key.kind) {
    case kAddrBit: {
        const std::uint16_t mask = std::uint16_t(1u << (key.bit & 15));
        m_words[key.word] = value ? (m_words[key.word] | mask) : (m_words[key.word] & ~mask);
        break;
    }
    case kAddrWord:
        m_words[key.word] = std::uint16_t(value);
        break;
    default:
        if (key.word + 1 >= kPanelWords)
            return;
        m_words[key.word] = std::uint16_t(value);
        m_words[key.word + 1] = std::uint16_t(value >> 16);
        break;
    }
}

std::uint32_t CDeviceMemory::Value(const CPointInfo &point) const
{
    const auto key = KeyOf(point);
    return key ? Read(*key) : 0;
}

bool CDeviceMemory::Write(const CPointInfo &point, std::uint32_t value)
{
    const auto key = KeyOf(point);
    if (key)
        Write(*key, value);
    return key.has_value();
}

bool CDeviceMemory::Failed(const MemoryKey &key) const
{
    return key.channel != 0 && plc(key.channel).Failed(key);
}

bool CDeviceMemory::Failed(const CPointInfo &point) const
{
    const auto key = KeyOf(point);
    return key && Failed(*key);
}

void CDeviceMemory::AttachPlc(std::uint16_t channel, std::shared_ptr<IPlcMemory> memory)
{
    if (channel == 1 || channel == 2)
        m_online[channel] = std::move(memory);
}

bool CDeviceMemory::IsOnline(std::uint16_t channel) const
{
    return channel < m_online.size() && m_online[channel] != nullptr;
}

const IPlcMemory &CDeviceMemory::plc(std::uint16_t channel) const
{
    if (channel < m_online.size() && m_online[channel])
        return *m_online[channel];
    return m_simulated;
}

IPlcMemory &CDeviceMemory::plc(std::uint16_t channel)
{
    if (channel < m_online.size() && m_online[channel])
        return *m_online[channel];
    return m_simulated;
}

void CDeviceMemory::SetLatch(bool on, std::uint16_t start, std::uint16_t end)
{
    m_latchOn = on;
    m_latchStart = start;
    m_latchEnd = end;
}

void CDeviceMemory::SetLatchFromParameters(const CDorvaneDoc &doc)
{
    SetLatch(doc.Param16(20) != 0, doc.Param16(22), doc.Param16(24));
}

void CDeviceMemory::Reset()
{
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        if (!(m_latchOn && w >= m_latchStart && w <= m_latchEnd))
            m_words[w] = 0;
    }
}

std::string CDeviceMemory::KeyText(const MemoryKey &key) const
{
    if (key.channel == 0) {
        if (key.kind == kAddrBit)
            return util::formatText("%u%X", unsigned(key.word), unsigned(key.bit));
        return std::to_string(key.word);
    }
    std::string area, number;
    std::uint16_t bit = key.bit;
    m_slots.slot(key.channel).BuildUpAddr(key.kind, key.field, area, number, bit);
    return util::formatText("%d-%d-%s%s", int(key.channel), int(key.station), area.c_str(),
                            number.c_str());
}

std::optional<MemoryKey> CDeviceMemory::ParsePoint(std::string_view text,
                                                   std::uint16_t &dataSize) const
{
    text = trimmed(text);
    const std::string wanted = lower(text);
    for (const MemoryPoint &p : m_points) {
        if (lower(p.text) == wanted) {
            dataSize = p.dataSize;
            return p.key;
        }
    }
    // "CH-STATION-ADDRESS": try the driver's areas of each kind, words first.
    const std::size_t dash1 = text.find('-');
    const std::size_t dash2 = dash1 == std::string_view::npos ? dash1 : text.find('-', dash1 + 1);
    if (dash2 != std::string_view::npos) {
        const auto channel = decimal(text.substr(0, dash1));
        const auto station = decimal(text.substr(dash1 + 1, dash2 - dash1 - 1));
        const std::string address(text.substr(dash2 + 1));
        if (!channel || !station || *station > 31
            || !channelHasPlc(m_slots, std::uint16_t(*channel)))
            return std::nullopt;
        const CPlcDrv &drv = m_slots.slot(int(*channel));
        for (const std::int32_t kind : {kAddrWord, kAddrBit, kAddrDWord}) {
            std::vector<std::string> areas;
            drv.GetTypeAreaList(kind, areas);
            areas.insert(areas.begin(), std::string());
            for (const std::string &area : areas) {
                if (lower(address.substr(0, area.size())) != lower(area))
                    continue;
                DownAddr field{};
                std::uint16_t bit = 0;
                if (drv.BuildDownAddr(kind, area, address.substr(area.size()), bit, field) < 0)
                    continue;
                dataSize = dataSizeOf(kind);
                return MemoryKey{std::uint16_t(*channel),
                                 std::uint16_t(*station),
                                 kind,
                                 0,
                                 kind == kAddrBit ? bit : std::uint16_t(0),
                                 field};
            }
        }
        return std::nullopt;
    }
    // The panel: a system-address name, a word number up to 999, else a bit address.
    if (const SystemAddress *sys = findSystemAddressByName(std::string(text))) {
        dataSize = kSizeWord;
        return PanelWord(sys->address);
    }
    if (const auto word = decimal(text); word && *word < kPanelWords) {
        dataSize = kSizeWord;
        return PanelWord(std::uint16_t(*word));
    }
    DownAddr field{};
    std::uint16_t bit = 0;
    if (builtin::BuildDownAddr(kAddrBit, std::string(text), bit, field) < 0)
        return std::nullopt;
    dataSize = kSizeBit;
    return panelKey(kAddrBit, field, bit);
}

MemoryOutcome CDeviceMemory::ApplySet(std::string_view assignment)
{
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos || trimmed(assignment.substr(0, eq)).empty())
        return {MemoryResult::BadSyntax,
                "expected POINT=VALUE, got \"" + std::string(assignment) + "\""};
    const std::string_view pointText = trimmed(assignment.substr(0, eq));
    const std::string_view valueText = trimmed(assignment.substr(eq + 1));
    std::uint16_t dataSize = kSizeWord;
    const auto key = ParsePoint(pointText, dataSize);
    if (!key)
        return {MemoryResult::UnknownPoint,
                "unknown device point \"" + std::string(pointText) + "\""};
    const auto value = parseMemoryValue(valueText, dataSize);
    if (!value) {
        const char *range = dataSize == kSizeBit ? "0 or 1"
                : dataSize == kSizeWord          ? "-32768 to 65535"
                                                 : "-2147483648 to 4294967295";
        return {MemoryResult::BadValue,
                "bad value \"" + std::string(valueText) + "\" for " + std::string(pointText)
                        + " (expected " + range + ")"};
    }
    Write(*key, *value);
    return {};
}

std::optional<std::uint32_t> parseMemoryValue(std::string_view text, std::uint16_t dataSize)
{
    text = trimmed(text);
    if (dataSize == kSizeBit) {
        if (text == "0" || text == "1")
            return std::uint32_t(text == "1");
        return std::nullopt;
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || (negative && base == 16))
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const bool word = dataSize == kSizeWord;
    const std::uint64_t maxUnsigned = word ? 0xFFFFu : 0xFFFFFFFFu;
    const std::uint64_t maxNegative = word ? 0x8000u : 0x80000000u;
    if (negative ? magnitude > maxNegative : magnitude > maxUnsigned)
        return std::nullopt;
    const std::uint64_t raw = negative ? (~magnitude + 1) : magnitude;
    return std::uint32_t(raw & maxUnsigned);
}

} // namespace core
