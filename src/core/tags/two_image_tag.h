#pragma once

// The base of the tags that show their off or their on image by the state of one device bit
// (lamp and button). The off image gives the size.

#include "core/tags/image_face_tag.h"

#include <cstdint>
#include <vector>

namespace core {

class CTwoImageTag : public CImageFaceTag
{
public:
    std::vector<std::uint16_t> ImageIds() const override { return {m_offImage, m_onImage}; }

    void SetOffImage(std::uint16_t imageId);
    void SetOnImage(std::uint16_t imageId) { m_onImage = imageId; }
    void SetOnValue(std::uint16_t value) { m_onValue = value; }
    void SetDisplayState(std::uint32_t state) { m_displayState = state; }

    std::uint16_t OffImage() const { return m_offImage; }
    std::uint16_t OnImage() const { return m_onImage; }
    std::uint16_t OnValue() const { return m_onValue; }
    std::uint32_t DisplayState() const { return m_displayState; }

protected:
    // A bit point and the kind's default images, loaded into the project's images when they are
    // not there yet.
    CTwoImageTag(std::uint16_t offImage, std::uint16_t onImage);

    std::uint16_t FaceImage() const final { return m_offImage; }
    void ResourcesBound() override;
    void CopyFieldsFrom(const CTwoImageTag &other);

    // The clipboard body's tail: magnification, on value, off and on image. The display state is
    // not stored, so a loaded tag shows its off state.
    void SerializeFace(util::CArchive &ar);
    // The face head, the display state at 68, then off image, on image and on value from
    // `imagesAt`. Reading recomputes the rectangle.
    bool WriteFaceRecord(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                         std::size_t imagesAt) const;
    bool ReadFaceRecord(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t size,
                        std::size_t imagesAt);

private:
    std::uint16_t m_offImage;
    std::uint16_t m_onImage;
    std::uint16_t m_onValue = 1;
    std::uint32_t m_displayState = 0;
};

} // namespace core
