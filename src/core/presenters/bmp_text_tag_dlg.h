#pragma once

// The logic of the image text's property dialog ("이미지 텍스트 속성"): text, position, inverse,
// border, the font chosen in the standard font dialog, the display direction (the font's
// escapement) and a preview rendered as the compiler renders it. Text, font, frame and direction
// change the image's size, which the image area is charged with; a change that would overflow
// the area is taken back with 52302.

#include "core/presenters/text_look_dlg.h"
#include "core/tags/bmp_text_tag.h"

#include "util/mono_bitmap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace core {

// A font as the font dialog shows it: an installed family, its character height (em size) in
// pixels and the style.
struct FontChoice
{
    std::string family; // UTF-8
    std::int32_t pixelHeight = 16;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontChoice &) const = default;
};

enum class FontResult { Taken, Unchanged, FaceUnusable, NoRoom };

class CBmpTextTagDlg : public CTextLookDlg
{
public:
    // 0°, 90°, 180° and 270°.
    static constexpr std::array<std::int32_t, 4> kDirections{0, 900, 1800, 2700};
    // Character heights the font dialog can hand over.
    static constexpr std::int32_t kMaxPixelHeight = 4096;

    CBmpTextTagDlg(const FunctionEnv &env, CBmpTextTag &tag)
        : CTextLookDlg(env, tag)
        , m_bmpText(tag)
    { }

    const CBmpTextTag &BmpText() const { return m_bmpText; }

    bool IsInverse() const override { return m_bmpText.IsInverse(); }
    void SetInverse(bool on) override { m_bmpText.SetInverse(on); }
    bool HasBorder() const override { return m_bmpText.HasBorder(); }
    bool SetBorder(bool on) override;

    // The tag's font for the font dialog: the family the renderer draws it with.
    FontChoice CurrentFont() const;
    // The font dialog's answer. The family must be one the renderer finds and its name must fit
    // the font description in a code page it reads (FaceUnusable otherwise, nothing changed). A
    // family the tag's face already stands for keeps the face's own name ("굴림" stays).
    FontResult ChooseFont(const FontChoice &choice);

    // The escapement: 0, 900, 1800 or 2700; other values are refused.
    std::int32_t Direction() const { return m_bmpText.WindowsFont().escapement(); }
    bool SetDirection(std::int32_t escapement);

    // The text as the panel shows it; nothing when the font is not installed.
    std::optional<util::CMonoBitmap> Preview() const { return m_bmpText.RenderTextImage(); }

protected:
    std::string StoredText() const override { return m_bmpText.Text(); }
    bool StoreText(std::string_view bytes) override;

private:
    // Applies `change`; when it grows the image area's total beyond the area, text, font and
    // frame go back through the charging setters and 52302 is shown.
    template<typename Change>
    bool WithinImageArea(Change &&change);

    CBmpTextTag &m_bmpText;
};

} // namespace core
