#pragma once

// The touch button (kind 4): pressing it on the panel writes one device bit (off, on, toggle or
// on while pressed), optionally after the panel password. Shows its off image; no resize
// handles. Every button takes part in the panel's input order.

#include "core/tags/two_image_tag.h"

#include <cstdint>

namespace core {

enum ButtonAction : std::uint16_t {
    kButtonOff = 0,
    kButtonOn = 1,
    kButtonToggle = 2,
    kButtonMomentary = 3,
};

class CButtonTag : public CTwoImageTag
{
public:
    static constexpr std::size_t kRecordSize = 82;
    static constexpr std::uint16_t kDefaultOffImage = 1002;
    static constexpr std::uint16_t kDefaultOnImage = 1003;

    // Loads the default images into the project's images when they are not there yet.
    CButtonTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void Serialize(util::CArchive &ar) override;
    bool AcceptsInput() const override { return true; }
    void SetInputNumber(std::uint16_t number) override { m_inputNumber = number; }
    std::uint16_t InputNumber() const override { return m_inputNumber; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetAction(std::uint16_t action) { m_action = action; }
    void SetPassword(bool on) { m_password = on ? 1 : 0; }
    void CopyFieldsFrom(const CButtonTag &other);

    std::uint16_t Reserved() const { return m_reserved; }
    std::uint16_t Action() const { return m_action; }
    bool UsesPassword() const { return m_password != 0; }

private:
    std::uint16_t m_reserved = 0;
    std::uint16_t m_action = kButtonMomentary;
    std::uint32_t m_password = 0;
    // Position in the panel's input order; not part of the clipboard body or the record.
    std::uint16_t m_inputNumber = 0;
};

} // namespace core
