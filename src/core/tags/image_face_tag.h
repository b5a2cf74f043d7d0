#pragma once

// The base of the image tags driven by one device point (lamp, button, rotation): the rectangle
// is their face image's size at normal or double size, so they have no resize handles. The
// caption font draws the placeholder of a missing image.

#include "core/tags/point_tag.h"
#include "util/log_font.h"

#include <cstdint>

namespace core {

class CImageFaceTag : public CPointTag
{
public:
    void RecalcRect(int flag) override;
    // Only the face image's size matters to the rectangle.
    bool ImageChanged(std::uint16_t imageId) override;

    // 2 doubles the size; any other factor is normal size.
    void SetMagnification(std::uint16_t factor);

    std::uint16_t Magnification() const { return m_magnification; }
    const util::CLogFont &CaptionFont() const { return m_captionFont; }

protected:
    explicit CImageFaceTag(bool writable);

    // The image whose size (times the magnification) is the rectangle's.
    virtual std::uint16_t FaceImage() const = 0;

    void CopyFieldsFrom(const CImageFaceTag &other);

    // The record head followed by the size word at 66: 1 doubled, 0 normal.
    bool WriteFaceHead(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                       const CPointInfo &point) const;
    bool ReadFaceHead(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t size);

    std::uint16_t m_magnification = 1;

private:
    util::CLogFont m_captionFont;
};

} // namespace core
