#include "core/download/memory_usage.h"

#include "core/model/dorvane_doc.h"
#include "core/plc/plc_drv.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "util/messages.h"

#include <cstdlib>

namespace core {

namespace {

constexpr bool english(std::uint16_t lang)
{
    return lang == util::kResEnglish;
}

std::string gaugeWord(MemoryGauge gauge, std::uint16_t lang)
{
    switch (gauge) {
    case MemoryGauge::Screen:
        return english(lang) ? "Screen" : "화면";
    case MemoryGauge::String:
        return english(lang) ? "Message" : "메시지";
    case MemoryGauge::Image:
        break;
    }
    return english(lang) ? "Image" : "이미지";
}

} // namespace

std::string gaugeLabel(MemoryGauge gauge, std::uint32_t bytes, std::uint16_t resourceLang)
{
    const std::string label = gaugeWord(gauge, resourceLang) + "   0%";
    const std::string percent = util::formatText("%2d%%", CMemoryMonitor::Percent(gauge, bytes));
    // The tail of the label is ASCII, so cutting bytes cuts characters.
    return label.substr(0, label.size() - percent.size()) + percent;
}

std::vector<MemoryUseRow> memoryUseRows(std::uint32_t screenBytes, std::uint32_t stringBytes,
                                        std::uint32_t imageBytes, std::uint16_t resourceLang)
{
    std::vector<MemoryUseRow> rows;
    const std::pair<MemoryGauge, std::uint32_t> totals[] = {{MemoryGauge::Screen, screenBytes},
                                                            {MemoryGauge::String, stringBytes},
                                                            {MemoryGauge::Image, imageBytes}};
    for (const auto &[gauge, bytes] : totals)
        rows.push_back({gaugeWord(gauge, resourceLang),
                        util::formatText("%d kbyte", int(CMemoryMonitor::Capacity(gauge) / 1024)),
                        util::formatText("%d byte", int(bytes)),
                        util::formatText("%d %%", CMemoryMonitor::Percent(gauge, bytes))});
    return rows;
}

void CSystemMemoryMap::MarkWord(long word, Access access)
{
    if (word < 0 || word >= kWords)
        return;
    m_cells[std::size_t(word)] |= access;
}

void CSystemMemoryMap::Mark(const std::string &text, int dataSize, Access access)
{
    // A bit address ends in its bit digit; the word is what stands before it.
    std::string number = text;
    if (dataSize == 1)
        number = text.size() <= 1 ? std::string("0") : text.substr(0, text.size() - 1);
    const long word = std::strtol(number.c_str(), nullptr, 10);
    MarkWord(word, access);
    if (dataSize == 3 && word >= 0)
        MarkWord(word + 1, access);
}

std::string CSystemMemoryMap::CellText(int word) const
{
    switch (At(word)) {
    case kRead:
        return "R";
    case kWrite:
        return "W";
    case kRead | kWrite:
        return "R/W";
    default:
        return "";
    }
}

std::string CSystemMemoryMap::RowHeader(int row)
{
    return util::formatText("S%03d", 20 * (row - 1));
}

std::string CSystemMemoryMap::ColumnHeader(int column)
{
    return util::formatText("+%02d", column - 1);
}

namespace {

using Access = CSystemMemoryMap::Access;

void markPoint(CSystemMemoryMap &map, const CPointInfo &p, Access access)
{
    if (p.m_channel == 0)
        map.Mark(p.m_second, p.m_dataSize, access);
}

void markTag(CSystemMemoryMap &map, const CTag &tag)
{
    // Numeric tags that take input and buttons write their point; every other point is read.
    const bool writes = tag.Kind() == kTagButton || (tag.Kind() == kTagDigit && tag.AcceptsInput());
    for (const CPointInfo *p : devicePoints(tag))
        markPoint(map, *p, writes ? CSystemMemoryMap::kWrite : CSystemMemoryMap::kRead);
}

// The data size code of an address block: its word 40 (1 bit, 2 word, 3 double word).
int blockDataSize(util::ConstByteSpan record, std::size_t block)
{
    return util::le16(record, block + 40);
}

// A record's address block when it lies in the panel's own memory: its address text.
bool panelAddress(util::ConstByteSpan record, std::size_t block, int dataSize, std::string &text)
{
    if (util::le16(record, block + 58) != 0)
        return false;
    DownAddr field{};
    std::copy_n(record.begin() + std::ptrdiff_t(block), field.size(), field.begin());
    std::uint16_t bit = util::le16(record, block + 42);
    const std::int32_t kind = dataSize == 1 ? kAddrBit : dataSize == 3 ? kAddrDWord : kAddrWord;
    return builtin::BuildUpAddr(kind, field, text, bit) == 2;
}

void markBlock(CSystemMemoryMap &map, util::ConstByteSpan record, std::size_t block, int dataSize,
               Access access)
{
    std::string text;
    if (panelAddress(record, block, dataSize, text))
        map.Mark(text, dataSize, access);
}

void markFunctionKeys(CSystemMemoryMap &map, const CScreenData &screen)
{
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        const auto &key = screen.FunctionKey(k);
        const std::uint16_t action = util::le16(key, 64);
        if (action == 0 || action == 5)
            continue;
        const int size = action == 1 ? 1 : (util::le16(key, 40) == 2 ? 2 : 3);
        markBlock(map, key, 0, size, CSystemMemoryMap::kWrite);
    }
}

void markParameters(CSystemMemoryMap &map, const ParamBlock &params)
{
    // Online screen change (on/off at 26): its address group at 28 with the device at 68.
    // Current-screen transfer (on/off at 72): its group at 74 with the device at 114.
    const auto groupAddress = [&](std::size_t field, std::size_t device) {
        if (util::le16(params, device) != 0)
            return;
        DownAddr f{};
        std::copy_n(params.begin() + std::ptrdiff_t(field), f.size(), f.begin());
        std::string text;
        std::uint16_t bit = 0;
        if (builtin::BuildUpAddr(kAddrWord, f, text, bit) == 2)
            map.Mark(text, 2, CSystemMemoryMap::kRead);
    };
    if (util::le16(params, 26) != 0)
        groupAddress(28, 68);
    if (util::le16(params, 72) != 0)
        groupAddress(74, 114);
}

} // namespace

CSystemMemoryMap buildSystemMemoryMap(const CDorvaneDoc &doc)
{
    CSystemMemoryMap map;
    for (const auto &screen : doc.Screens()) {
        markFunctionKeys(map, *screen);
        for (const auto &tag : screen->Tags())
            markTag(map, *tag);
    }
    markParameters(map, doc.Parameters());
    for (const auto &alarm : doc.Alarms())
        markBlock(map, alarm, 0, 1, CSystemMemoryMap::kRead);
    for (const auto &calc : doc.Calculations()) {
        if (util::le16(calc, 188) != 0)
            markBlock(map, calc, 190, 1, CSystemMemoryMap::kRead);
        const int size = blockDataSize(calc, 124) == 3 ? 3 : 2;
        for (std::size_t block : {0u, 62u, 124u})
            markBlock(map, calc, block, size, CSystemMemoryMap::kRead);
    }
    for (const auto &t : doc.Transfers()) {
        if (util::le16(t, 128) != 0)
            markBlock(map, t, 130, 1, CSystemMemoryMap::kRead);
        std::string text;
        const std::uint16_t count = util::le16(t, 126);
        if (count > 0 && panelAddress(t, 62, 2, text)) {
            const long start = std::strtol(text.c_str(), nullptr, 10);
            const auto access = util::le16(t, 124) == 0 ? CSystemMemoryMap::kWrite
                                                        : CSystemMemoryMap::kRead;
            for (long w = start; w < start + count; ++w)
                map.MarkWord(w, access);
        }
    }
    for (const auto &r : doc.Reservations()) {
        if (util::le16(r, 78) != 0)
            markBlock(map, r, 80, 1, CSystemMemoryMap::kRead);
        markBlock(map, r, 0, 1, CSystemMemoryMap::kWrite);
    }
    return map;
}

} // namespace core
