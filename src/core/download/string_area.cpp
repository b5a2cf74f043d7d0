#include "core/download/string_area.h"

#include "core/model/str_res_mgr.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace core {

AreaResult buildStringArea(const CStrResMgr &strings, util::ByteSpan buffer, std::uint32_t &length)
{
    length = 0;
    const auto &list = strings.Strings();
    std::size_t total = 10 + 6 * list.size();
    for (const auto &s : list)
        total += 2 + s->m_text.size();
    if (total > kStringCapacity || total > buffer.size())
        return AreaResult::fail("The messages need " + std::to_string(total)
                                + " bytes; the panel's string area holds 32768.");
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::size_t index = 10;
    std::size_t offset = 10 + 6 * list.size();
    for (const auto &s : list) {
        util::setBe32(buffer, index, kStringBase + std::uint32_t(offset));
        util::setBe16(buffer, index + 4, std::uint16_t(s->m_id & 0xFFFF));
        index += 6;
        util::setBe16(buffer, offset, std::uint16_t(s->m_text.size()));
        std::copy(s->m_text.begin(), s->m_text.end(), buffer.begin() + std::ptrdiff_t(offset + 2));
        offset += 2 + s->m_text.size();
    }
    length = std::uint32_t(offset);
    util::setBe16(buffer, 6, kAreaVersion);
    util::setBe16(buffer, 8, std::uint16_t(list.size()));
    finishArea(buffer, length);
    return {};
}

AreaResult parseStringArea(util::ConstByteSpan image, CStrResMgr &strings)
{
    const auto damaged = [](const char *what) {
        return AreaResult::fail(std::string("The string area is damaged (") + what + ").");
    };
    if (image.size() < 10 || image.size() > kStringCapacity || util::be32(image, 0) != image.size())
        return damaged("its length does not match");
    const std::size_t count = util::be16(image, 8);
    const std::size_t recordsStart = 10 + 6 * count;
    if (recordsStart > image.size())
        return damaged("the index runs past its end");
    std::vector<std::pair<std::uint16_t, std::string>> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pointer = util::be32(image, 10 + 6 * i);
        const std::uint16_t id = util::be16(image, 14 + 6 * i);
        if (pointer < kStringBase + recordsStart || pointer - kStringBase + 2 > image.size())
            return damaged("a pointer lies outside it");
        const std::size_t at = pointer - kStringBase;
        const std::size_t len = util::be16(image, at);
        if (len > image.size() - at - 2)
            return damaged("a text runs past its end");
        entries.emplace_back(id, std::string(image.begin() + std::ptrdiff_t(at + 2),
                                             image.begin() + std::ptrdiff_t(at + 2 + len)));
    }
    strings.Clear();
    for (const auto &[id, text] : entries) {
        if (strings.Add(id, text) == 1)
            return damaged("its texts exceed the area");
    }
    return {};
}

} // namespace core
