#pragma once

// Shared set-up of the tag tests: a project's image manager and messages that a test binds its
// tags to, images of a given size, hand-made record bytes, and clipboard round trips.

#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag.h"
#include "core/tags/tag_resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace testing_tags {

class TagTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_resources.images = &m_images;
        m_resources.strings = &m_strings;
    }

    // `tag` reading this test's images and messages, as a tag of a project does.
    template<class Tag>
    Tag &bind(Tag &tag)
    {
        tag.BindResources(m_resources);
        return tag;
    }

    void AddImage(std::uint16_t id, int width, int height)
    {
        auto image = std::make_unique<core::CIndexedImage>();
        image->m_id = id;
        image->m_bitmap = util::CMonoBitmap(width, height);
        ASSERT_EQ(m_images.Add(std::move(image)), 0);
    }

    core::CImgResMgr m_images;
    core::CStrResMgr m_strings;
    core::CPlcSlots m_slots;
    core::TagResources m_resources;
};

// Stores the tag's clipboard body (after its kind) and loads it into `into`.
inline util::Bytes storeBody(core::CTag &tag)
{
    util::CArchive ar;
    tag.Serialize(ar);
    return ar.buffer();
}

inline bool loadBody(core::CTag &into, const util::Bytes &body)
{
    util::CArchive ar(body);
    into.Serialize(ar);
    return ar.ok() && ar.atEnd();
}

inline util::Bytes record(const core::CTag &tag, std::size_t size, const core::CPlcSlots &slots)
{
    util::Bytes out(size, 0xCC);
    EXPECT_TRUE(tag.BuildDownloadRecord(slots, out));
    return out;
}

// Big-endian bytes of 16-bit words.
inline void putBe(util::Bytes &b, std::size_t at, std::initializer_list<std::uint16_t> words)
{
    for (const std::uint16_t w : words) {
        b[at++] = std::uint8_t(w >> 8);
        b[at++] = std::uint8_t(w);
    }
}

// The 62-byte address block of a point as the tables give it: the address text, then data size,
// word 42, base, signed, option, minimum, maximum, channel and station, big-endian.
inline void putPointBlock(util::Bytes &b, std::size_t at, const std::string &field,
                          std::uint16_t dataSize, std::uint16_t word42, std::uint16_t base,
                          std::uint32_t min, std::uint32_t max, std::uint16_t channel = 0,
                          std::uint16_t station = 0)
{
    std::fill_n(b.begin() + std::ptrdiff_t(at), 40, std::uint8_t(0));
    std::copy(field.begin(), field.end(), b.begin() + std::ptrdiff_t(at));
    putBe(b, at + 40,
          {dataSize, word42, base, 0, 0, std::uint16_t(min >> 16), std::uint16_t(min),
           std::uint16_t(max >> 16), std::uint16_t(max), channel, station});
}

} // namespace testing_tags
