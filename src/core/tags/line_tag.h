#pragma once

// The drawn line (kind 12) from its anchor (the start point) to its end point, with a line kind
// and a thickness. Two handles: 1 the start, 2 the end. It is hit near its path only and is
// selected by a band that holds one of its end points.

#include "core/tags/line_style.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

class CLineTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 12;

    CLineTag();

    std::unique_ptr<CTag> CloneFields() const override;
    // Moves the whole line: the end point follows the start.
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    CPoint GetHandlePoint(int handle) const override;
    TagCursor GetHandleCursor(int handle) const override;
    // Moves the handle's point; refused when the new rectangle's top-left is off the panel.
    bool MoveHandleTo(int handle, std::int32_t x, std::int32_t y) override;
    // Fits the line into `rect`: each point keeps the corner of the rectangle it lies on.
    bool SetBounds(const CRect &rect) override;
    bool HitTest(CPoint p) const override;
    bool IntersectsRect(const CRect &rect) const override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetStart(std::int32_t x, std::int32_t y);
    void SetEnd(std::int32_t x, std::int32_t y);
    void SetLineType(std::uint16_t type) { m_lineType = type; }
    void SetThickness(std::uint16_t thickness) { m_thickness = thickness; }
    void CopyFieldsFrom(const CLineTag &other);

    CPoint Start() const { return {m_x, m_y}; }
    CPoint End() const { return {m_endX, m_endY}; }
    std::uint16_t LineType() const { return m_lineType; }
    std::uint16_t Thickness() const { return m_thickness; }

private:
    std::uint16_t m_lineType = kLineSolid;
    std::uint16_t m_thickness = 1;
    std::int32_t m_endX = 16;
    std::int32_t m_endY = 16;
};

} // namespace core
