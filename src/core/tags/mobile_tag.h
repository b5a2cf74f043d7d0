#pragma once

// The moving tag (kind 10): one image moves inside a range, its horizontal position following
// one device value and its vertical position another. The rectangle is the range plus the
// image (plus the frame); dragging a handle changes the range.

#include "core/tags/point_info.h"
#include "core/tags/tag.h"
#include "util/log_font.h"

#include <cstdint>

namespace core {

class CMobileTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 140;
    static constexpr std::uint16_t kDefaultImage = 4000;
    static constexpr std::uint8_t kFlagMoveX = 0x10;
    static constexpr std::uint8_t kFlagMoveY = 0x01;

    // Loads the default image into the project's images when it is not there yet.
    CMobileTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    bool ImageChanged(std::uint16_t imageId) override;
    std::vector<std::uint16_t> ImageIds() const override { return {m_image}; }
    // The rectangle's size less the image (and the frame) becomes the range, by the setters'
    // rules; a rectangle whose range they refuse is refused.
    bool SetBounds(const CRect &rect) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // Refused below 1 when moving along x (below 0 otherwise) and above 192.
    bool SetWidth(std::int32_t width);
    // Refused below 1 when moving along y (below 0 otherwise) and above 64.
    bool SetHeight(std::int32_t height);
    // Setting makes the width 1, clearing makes it 0.
    void SetMoveX(bool on);
    // Setting makes the height 1, clearing makes it 0.
    void SetMoveY(bool on);
    void SetBorder(bool on);
    void SetImage(std::uint16_t imageId);
    void CopyFieldsFrom(const CMobileTag &other);

    CPointInfo &XPoint() { return m_xPoint; }
    const CPointInfo &XPoint() const { return m_xPoint; }
    CPointInfo &YPoint() { return m_yPoint; }
    const CPointInfo &YPoint() const { return m_yPoint; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    bool HasBorder() const { return m_border != 0; }
    bool MovesX() const { return m_moveX != 0; }
    bool MovesY() const { return m_moveY != 0; }
    std::uint32_t Reserved() const { return m_reserved; }
    std::uint16_t Image() const { return m_image; }
    const util::CLogFont &CaptionFont() const { return m_captionFont; }

protected:
    void ResourcesBound() override;

private:
    bool WidthAllowed(std::int32_t width) const;
    bool HeightAllowed(std::int32_t height) const;

    std::int32_t m_height = 32;
    std::int32_t m_width = 32;
    std::uint16_t m_border = 1;
    std::uint32_t m_moveX = 1;
    std::uint32_t m_moveY = 1;
    CPointInfo m_xPoint;
    CPointInfo m_yPoint;
    std::uint32_t m_reserved = 0;
    std::uint16_t m_image = kDefaultImage;
    util::CLogFont m_captionFont;
};

} // namespace core
