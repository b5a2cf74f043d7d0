#pragma once

// Shared helpers of the model tests: a tag of any kind (for the kinds whose classes come later)
// and byte-building shorthands.

#include "core/tags/tag.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_model {

// A bare tag of a given kind, optionally showing images in slots.
class StubTag : public core::CTag
{
public:
    explicit StubTag(std::uint16_t kind, std::vector<std::uint16_t> images = {})
        : m_images(std::move(images))
    {
        m_kind = kind;
    }
    std::vector<std::uint16_t> ImageIds() const override { return m_images; }
    bool AcceptsInput() const override { return m_input; }
    void SetInputNumber(std::uint16_t n) override { m_number = n; }
    std::uint16_t InputNumber() const override { return m_number; }
    void SetTextImageId(std::uint16_t id) override { m_textId = id; }
    bool ImageChanged(std::uint16_t id) override
    {
        for (auto i : m_images)
            if (i == id)
                return true;
        return false;
    }
    void SetRect(core::CRect r)
    {
        m_rect = r;
        m_x = r.left;
        m_y = r.top;
    }

    std::vector<std::uint16_t> m_images;
    bool m_input = false;
    std::uint16_t m_number = 0xFFFF;
    std::uint16_t m_textId = 0;
};

inline std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(std::uint8_t(v));
    return out;
}

inline void appendLe16(std::vector<std::uint8_t> &out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void appendLe32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

inline void appendStr(std::vector<std::uint8_t> &out, const std::string &s)
{
    out.push_back(std::uint8_t(s.size()));
    out.insert(out.end(), s.begin(), s.end());
}

} // namespace testing_model
