#pragma once

// The bar graph (kind 7) and the trend graph (kind 8) of one device word or double word between
// the point's minimum and maximum. The kind given at construction selects the defaults and the
// record. Resized with the eight handles within 8 to 192 by 8 to 64 pixels.

#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

enum GraphDirection : std::uint16_t {
    kGraphUp = 0,
    kGraphDown = 1,
    kGraphLeft = 2,
    kGraphRight = 3,
};

class CGraphTag : public CTag
{
public:
    static constexpr std::size_t kBarRecordSize = 72;
    static constexpr std::size_t kTrendRecordSize = 74;

    // kTagGraph1 (bar) or kTagGraph2 (trend); anything else makes a bar graph.
    explicit CGraphTag(std::uint16_t kind = 7);

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    // Left and top on the panel, width 8 to 192, height 8 to 64.
    bool IsRectOnPanel(const CRect &rect) const override;
    // Also takes the rectangle's width and height.
    bool SetBounds(const CRect &rect) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    bool IsTrend() const { return m_kind == 8; }
    // Refused (false, nothing changes) outside 8 to 192.
    bool SetWidth(std::int32_t width);
    // Refused outside 8 to 64.
    bool SetHeight(std::int32_t height);
    // Turning between the vertical pair (up, down) and the horizontal pair (left, right)
    // exchanges width and height.
    void SetDirection(std::uint16_t direction);
    void SetSamplingCount(std::int32_t count) { m_samplingCount = count; }
    void SetSamplingTime(std::int32_t seconds) { m_samplingTime = seconds; }
    void SetBorder(bool on) { m_border = on ? 1 : 0; }
    void CopyFieldsFrom(const CGraphTag &other);

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    std::uint16_t Direction() const { return m_direction; }
    std::int32_t SamplingCount() const { return m_samplingCount; }
    std::int32_t SamplingTime() const { return m_samplingTime; }
    bool HasBorder() const { return m_border != 0; }

private:
    std::int32_t m_height = 48;
    std::int32_t m_width = 16;
    std::uint16_t m_direction = kGraphUp;
    std::int32_t m_samplingCount = 20;
    std::int32_t m_samplingTime = 5;
    std::uint32_t m_border = 0;
    CPointInfo m_point;
};

} // namespace core
