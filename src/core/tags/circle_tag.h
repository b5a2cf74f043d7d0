#pragma once

// The drawn circle (kind 13) in the box (x, y, x + 2r, y + 2r), outline of a line kind and
// thickness, optionally filled. It is hit inside its circle only; unfilled, a band selects it
// only where it meets the outline.

#include "core/tags/shape_tag.h"

#include <cstdint>

namespace core {

class CCircleTag : public CShapeTag
{
public:
    static constexpr std::size_t kRecordSize = 12;

    CCircleTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    // A resize keeps the circle round: the radius is half the smaller side (at least 1).
    bool SetBounds(const CRect &rect) override;
    bool HitTest(CPoint p) const override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // Refused below 1.
    bool SetRadius(std::int32_t radius);
    void CopyFieldsFrom(const CCircleTag &other);

    std::uint16_t Radius() const { return m_radius; }

protected:
    bool OutlineMeets(const CRect &band) const override;

private:
    std::uint16_t m_radius = 8;
};

} // namespace core
