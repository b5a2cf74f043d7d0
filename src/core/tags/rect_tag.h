#pragma once

// The drawn rectangle (kind 11): outline of a line kind and thickness, optionally filled. Resized
// with the eight handles; its width and height are the rectangle's.

#include "core/tags/shape_tag.h"

#include <cstdint>

namespace core {

class CRectTag : public CShapeTag
{
public:
    static constexpr std::size_t kRecordSize = 14;

    CRectTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    // Also takes the new width and height; refused outside 1 to 192 and 1 to 64.
    bool SetBounds(const CRect &rect) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // Refused (false, nothing changes) outside 1 to 192.
    bool SetWidth(std::int32_t width);
    // Refused outside 1 to 64.
    bool SetHeight(std::int32_t height);
    void CopyFieldsFrom(const CRectTag &other);

    std::uint16_t Width() const { return m_width; }
    std::uint16_t Height() const { return m_height; }

protected:
    bool OutlineMeets(const CRect &band) const override;

private:
    std::uint16_t m_height = 16;
    std::uint16_t m_width = 16;
};

} // namespace core
