#pragma once

// The lamp (kind 3): shows its off or on image by the state of one device bit, at normal or
// double size. No resize handles: the size follows from the off image.

#include "core/app/log_font.h"
#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

class CLampTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 76;
    static constexpr std::uint16_t kDefaultOffImage = 1000;
    static constexpr std::uint16_t kDefaultOnImage = 1001;

    // Loads the default images into the project's images when they are not there yet.
    CLampTag();

    std::unique_ptr<CTag> Clone() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    bool ImageChanged(std::uint16_t imageId) override;
    std::vector<std::uint16_t> ImageIds() const override { return {m_offImage, m_onImage}; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetOffImage(std::uint16_t imageId);
    void SetOnImage(std::uint16_t imageId) { m_onImage = imageId; }
    void SetMagnification(std::uint16_t factor);
    void SetOnValue(std::uint16_t value) { m_onValue = value; }
    void SetDisplayState(std::uint32_t state) { m_displayState = state; }
    void CopyFieldsFrom(const CLampTag &other);

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }
    std::uint16_t Magnification() const { return m_magnification; }
    std::uint32_t DisplayState() const { return m_displayState; }
    std::uint16_t OffImage() const { return m_offImage; }
    std::uint16_t OnImage() const { return m_onImage; }
    std::uint16_t OnValue() const { return m_onValue; }
    const CLogFont &CaptionFont() const { return m_captionFont; }

private:
    std::uint16_t m_magnification = 1;
    std::uint32_t m_displayState = 0;
    std::uint16_t m_offImage = kDefaultOffImage;
    std::uint16_t m_onImage = kDefaultOnImage;
    std::uint16_t m_onValue = 1;
    CLogFont m_captionFont;
    CPointInfo m_point;
};

} // namespace core
