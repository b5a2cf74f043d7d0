#pragma once

// The base of the drawn shapes with an outline that may be filled (rectangle and circle): line
// kind, pen thickness and fill, their clipboard and record forms, and selection by a band.

#include "core/tags/line_style.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

class CShapeTag : public CTag
{
public:
    // The anchor a second time after the base's, then fill, line kind and thickness.
    void Serialize(util::CArchive &ar) override;
    // Filled, any band that meets the rectangle selects it; unfilled, only one that meets the
    // outline.
    bool IntersectsRect(const CRect &rect) const override;

    void SetLineType(std::uint16_t type) { m_lineType = type; }
    void SetThickness(std::uint16_t thickness) { m_thickness = thickness; }
    void SetFill(bool on) { m_fill = on ? 1 : 0; }

    std::uint16_t LineType() const { return m_lineType; }
    std::uint16_t Thickness() const { return m_thickness; }
    bool IsFilled() const { return m_fill != 0; }

protected:
    CShapeTag() = default;

    // Anchor, rectangle and style; the lock stays the target's own.
    void CopyFieldsFrom(const CShapeTag &other);

    // Whether the normalised `band` meets the outline of the unfilled shape.
    virtual bool OutlineMeets(const CRect &band) const = 0;

    // The record: the anchor at 0 and 2, the kind's size words after it, then line kind,
    // thickness and fill from `styleAt`. False when `out` is shorter than `size`.
    bool WriteShapeRecord(util::ByteSpan out, std::size_t size, std::size_t styleAt) const;
    // Reads anchor and style back; false (nothing changes) on a short record.
    bool ReadShapeRecord(util::ConstByteSpan record, std::size_t size, std::size_t styleAt);

private:
    std::uint16_t m_lineType = kLineSolid;
    std::uint16_t m_thickness = 1;
    std::uint16_t m_fill = 0;
};

} // namespace core
