#pragma once

// The image tag (kind 6): one image of the project at normal or double size, optionally
// inverted. Its records share a screen-record group with the image-text tag; byte 6 tells them
// apart. No resize handles: the size follows from the image.

#include "core/tags/tag.h"
#include "util/log_font.h"

#include <cstdint>

namespace core {

class CBitmapTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 10;
    static constexpr std::size_t kGroupMarker = 6; // 0 image, 1 image text

    CBitmapTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    bool ImageChanged(std::uint16_t imageId) override;
    std::vector<std::uint16_t> ImageIds() const override { return {m_image}; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetImage(std::uint16_t imageId);
    // 2 doubles the size; anything else is normal size.
    void SetMagnification(std::uint16_t factor);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CBitmapTag &other);

    std::uint16_t Image() const { return m_image; }
    std::uint16_t Magnification() const { return m_magnification; }
    bool IsInverse() const { return m_inverse != 0; }
    const util::CLogFont &CaptionFont() const { return m_captionFont; }

private:
    std::uint16_t m_image = 0xFFFF;
    std::uint16_t m_magnification = 1;
    std::uint32_t m_inverse = 0;
    util::CLogFont m_captionFont;
};

} // namespace core
