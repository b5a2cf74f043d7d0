#pragma once

// The fixed text (kind 2): up to 24 bytes in one of the panel's bitmap fonts, optionally framed
// and inverted. Its size follows from text, font and border; it has no resize handles.

#include "core/tags/tag.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class CTextTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 32;
    static constexpr std::size_t kTextField = 25; // 24 bytes and the terminating zero

    CTextTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetFont(std::uint16_t font);
    // Takes at most 24 bytes of `text`.
    void SetText(std::string_view text);
    void SetBorder(bool on);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CTextTag &other);

    // Where the editor draws the text: inside the frame when there is one.
    CRect TextRect() const;

    std::string Text() const;
    std::uint16_t Font() const { return m_font; }
    bool HasBorder() const { return m_border != 0; }
    bool IsInverse() const { return m_inverse != 0; }

private:
    std::uint32_t m_inverse = 0;
    std::array<std::uint8_t, kTextField> m_text{'T', 'e', 'x', 't'};
    std::uint32_t m_border = 0;
    std::uint16_t m_font = 0;
};

} // namespace core
