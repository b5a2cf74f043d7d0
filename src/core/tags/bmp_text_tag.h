#pragma once

// The image text (kind 15): a text of up to 24 bytes rendered in a Windows font into a
// monochrome image, so that any face, size or direction (the font's escapement: 0, 900, 1800 or
// 2700) can appear on the panel. Its records share a screen-record group with the image tag
// (byte 6 is 1 here). The rendered image and the text block go to the image area under the
// tag's bitmap-text identifier. No resize handles.

#include "core/tags/tag.h"
#include "util/log_font.h"

#include "util/mono_bitmap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

class CBmpTextTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 10;
    static constexpr std::size_t kTextField = 25;
    static constexpr std::size_t kGroupMarker = 6;
    // Size of a tag whose font cannot be created.
    static constexpr std::int32_t kFallbackWidth = 128;
    static constexpr std::int32_t kFallbackHeight = 32;

    CBmpTextTag();

    // Height 16, the face's average width, escapement 0, weight 0, output precision 1, clip
    // precision 2, quality 1, pitch-and-family 0x12, face "굴림" (CP949).
    static util::CLogFont DefaultFont();

    std::unique_ptr<CTag> CloneFields() const override;
    // The text followed by one space, measured in the font (128 x 32 when the font cannot be
    // created), plus the frame; turned by 900 or 2700 it stands on its side.
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void SetTextImageId(std::uint16_t id) override { m_imageId = id; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // Takes at most 24 bytes.
    void SetText(std::string_view text);
    void SetWindowsFont(const util::CLogFont &font);
    void SetBorder(bool on);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CBmpTextTag &other);

    // The panel's image of the tag: the rectangle cut at the panel's right and bottom edges,
    // white, the text in black from the corner of its direction, clipped inside the frame, the
    // frame in black. Nothing when the font cannot be created or nothing of it lies on the panel.
    std::optional<util::CMonoBitmap> RenderTextImage() const;
    // The block written after the image: text length (2), the font (60), the text, little-endian.
    util::Bytes TextBlock() const;
    // Takes text and font back from such a block; false when it is cut short.
    bool ApplyTextBlock(util::ConstByteSpan block);
    // The same from a block already read (the image area parser hands text and font over).
    void ApplyText(std::string_view text, const util::CLogFont &font);
    // What the tag takes in the image area for its memory gauge: its image of the rectangle's
    // size and its text. SetText, SetWindowsFont and SetBorder change it by the difference.
    std::uint32_t ImageBytes() const;
    // Renders again and hands the image to the image manager under the tag's identifier.
    bool UpdateBmpText() const;

    std::string Text() const;
    const util::CLogFont &WindowsFont() const { return m_font; }
    std::int32_t ImageId() const { return m_imageId; }
    bool HasBorder() const { return m_border != 0; }
    bool IsInverse() const { return m_inverse != 0; }

private:
    void chargeImageBytes(std::uint32_t before) const;

    std::uint32_t m_inverse = 0;
    std::array<std::uint8_t, kTextField> m_text{'I', 'm', 'g', 'T', 'e', 'x', 't'};
    std::uint32_t m_border = 0;
    util::CLogFont m_font;
    std::int32_t m_imageId = -1;
};

} // namespace core
