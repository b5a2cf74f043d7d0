#pragma once

// The pie graph (kind 5): a filled sector or a needle whose angle follows a device value, drawn
// from a start angle over a sweep (degrees from the west point, clockwise). Its rectangle covers
// only the quarters the sweep touches; dragging a handle changes the radius.

#include "core/tags/point_tag.h"

#include <cstdint>

namespace core {

enum PieMode : std::uint16_t { kPieFilled = 0, kPieNeedle = 1 };

class CPieTag : public CPointTag
{
public:
    static constexpr std::size_t kRecordSize = 76;

    CPieTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    // Left and top on the panel and a derived radius of 8 to 64.
    bool IsRectOnPanel(const CRect &rect) const override;
    // The dragged rectangle gives the radius; the rectangle follows from the radius.
    bool MoveHandleTo(int handle, std::int32_t x, std::int32_t y) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetMode(std::uint16_t mode) { m_mode = mode; }
    void SetSweep(std::uint16_t degrees);
    void SetStartAngle(std::uint16_t degrees);
    // Refused (false, nothing changes) outside 8 to 64.
    bool SetRadius(std::int32_t radius);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CPieTag &other);

    // The radius a rectangle of this pie's quarter layout stands for (0 when none).
    std::int32_t RadiusForRect(const CRect &rect) const;
    // The box of the whole circle and its centre.
    CRect FullBox() const;
    CPoint Centre() const { return {m_x + m_radius, m_y + m_radius}; }

    std::uint16_t StartAngle() const { return m_start; }
    std::uint16_t Sweep() const { return m_sweep; }
    std::uint16_t Radius() const { return m_radius; }
    std::uint16_t Mode() const { return m_mode; }
    bool IsInverse() const { return m_inverse != 0; }

private:
    enum class Layout { Quarter, HalfWide, HalfTall, Full };
    Layout CurrentLayout() const;

    std::uint16_t m_start = 0;
    std::uint16_t m_sweep = 180;
    std::uint16_t m_radius = 16;
    std::uint16_t m_mode = kPieFilled;
    std::uint32_t m_inverse = 0;
};

} // namespace core
