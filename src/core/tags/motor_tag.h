#pragma once

// The rotation tag (kind 9): cycles through two to eight images, clockwise or counter-clockwise,
// at a speed that follows a device value (its maximum is the maximum RPM). Sized by its first
// image; no resize handles.

#include "core/tags/image_face_tag.h"

#include <array>
#include <cstdint>

namespace core {

class CMotorTag : public CImageFaceTag
{
public:
    static constexpr std::size_t kRecordSize = 90;
    static constexpr std::size_t kMaxImages = 8;
    static constexpr std::uint16_t kMinImages = 2;

    // Loads the default images into the project's images when they are not there yet.
    CMotorTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void Serialize(util::CArchive &ar) override;
    std::vector<std::uint16_t> ImageIds() const override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // 2 to 8; entries beyond the count become 0xFFFF. False (nothing changes) outside.
    bool SetImageCount(std::uint16_t count);
    // Slot 0 to count - 1.
    bool SetImage(std::size_t slot, std::uint16_t imageId);
    void SetDirection(std::uint16_t direction) { m_direction = direction; }
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CMotorTag &other);

    std::uint16_t ImageCount() const { return m_count; }
    const std::array<std::uint16_t, kMaxImages> &Images() const { return m_images; }
    std::uint16_t Direction() const { return m_direction; }
    bool IsInverse() const { return m_inverse != 0; }

protected:
    void ResourcesBound() override;
    std::uint16_t FaceImage() const override { return m_images[0]; }

private:
    std::uint16_t m_count = 4;
    std::array<std::uint16_t, kMaxImages> m_images{3000,   3001,   3002,   3003,
                                                   0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    std::uint16_t m_direction = 0;
    std::uint32_t m_inverse = 0;
};

} // namespace core
