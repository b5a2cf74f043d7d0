#pragma once

// The touch button (kind 4): pressing it on the panel writes one device bit (off, on, toggle or
// on while pressed), optionally after the panel password. Shows its off image; no resize
// handles. Every button takes part in the panel's input order.

#include "core/app/log_font.h"
#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

enum ButtonAction : std::uint16_t {
    kButtonOff = 0,
    kButtonOn = 1,
    kButtonToggle = 2,
    kButtonMomentary = 3,
};

class CButtonTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 82;
    static constexpr std::uint16_t kDefaultOffImage = 1002;
    static constexpr std::uint16_t kDefaultOnImage = 1003;

    // Loads the default images into the project's images when they are not there yet.
    CButtonTag();

    std::unique_ptr<CTag> Clone() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    bool ImageChanged(std::uint16_t imageId) override;
    std::vector<std::uint16_t> ImageIds() const override { return {m_offImage, m_onImage}; }
    bool AcceptsInput() const override { return true; }
    void SetInputNumber(std::uint16_t number) override { m_inputNumber = number; }
    std::uint16_t InputNumber() const override { return m_inputNumber; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetOffImage(std::uint16_t imageId);
    void SetOnImage(std::uint16_t imageId) { m_onImage = imageId; }
    void SetMagnification(std::uint16_t factor);
    void SetOnValue(std::uint16_t value) { m_onValue = value; }
    void SetAction(std::uint16_t action) { m_action = action; }
    void SetPassword(bool on) { m_password = on ? 1 : 0; }
    void SetDisplayState(std::uint32_t state) { m_displayState = state; }
    void CopyFieldsFrom(const CButtonTag &other);

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }
    std::uint16_t OffImage() const { return m_offImage; }
    std::uint16_t OnImage() const { return m_onImage; }
    std::uint16_t OnValue() const { return m_onValue; }
    std::uint16_t Magnification() const { return m_magnification; }
    std::uint16_t Reserved() const { return m_reserved; }
    std::uint16_t Action() const { return m_action; }
    std::uint32_t DisplayState() const { return m_displayState; }
    bool UsesPassword() const { return m_password != 0; }
    const CLogFont &CaptionFont() const { return m_captionFont; }

private:
    std::uint16_t m_offImage = kDefaultOffImage;
    std::uint16_t m_onImage = kDefaultOnImage;
    std::uint16_t m_onValue = 1;
    std::uint16_t m_magnification = 1;
    std::uint16_t m_reserved = 0;
    std::uint16_t m_action = kButtonMomentary;
    std::uint32_t m_displayState = 0;
    std::uint32_t m_password = 0;
    CLogFont m_captionFont;
    CPointInfo m_point;
    // Position in the panel's input order; not part of the clipboard body or the record.
    std::uint16_t m_inputNumber = 0;
};

} // namespace core
