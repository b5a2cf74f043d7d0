#pragma once

// What the three text dialogs share: the text, typed in UTF-8 and kept as at most 24 bytes of
// the panel's code page; the inverse and border boxes; and, for the kinds drawn in the panel's
// bitmap fonts, the small / normal / large font.

#include "core/presenters/tag_prop_dlg.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class CTextLookDlg : public CTagPropDlg
{
public:
    static constexpr std::size_t kMaxTextBytes = 24;

    using CTagPropDlg::CTagPropDlg;

    // The text as the dialog shows it.
    std::string Text() const;
    virtual bool TextEditable() const { return true; }
    // Every character has a place in the panel's code page and the whole takes 24 bytes or less.
    bool TextFits(std::string_view utf8) const;
    // A text that does not fit changes nothing.
    bool SetText(std::string_view utf8);
    // Why a text does not fit: 0, kTextNotInCodePage or kTextTooLong.
    int TextRefusal(std::string_view utf8) const;
    // The bytes the text takes in the panel's code page (0 when it has no place there).
    std::size_t TextBytes(std::string_view utf8) const;
    // Shows the message of TextRefusal (with the limit and the length for a long text).
    void ExplainRefusal(std::string_view utf8) const;

    virtual bool IsInverse() const = 0;
    virtual void SetInverse(bool on) = 0;
    virtual bool HasBorder() const = 0;
    virtual bool SetBorder(bool on) = 0;

    // The panel's bitmap font: 0 normal, 1 large, 2 small; kinds without one ignore it.
    virtual bool HasPanelFont() const { return false; }
    virtual std::uint16_t PanelFont() const { return 0; }
    bool SetPanelFont(std::uint16_t font);

protected:
    // The text as the tag keeps it, in the panel's code page.
    virtual std::string StoredText() const = 0;
    virtual bool StoreText(std::string_view) { return false; }
    virtual void StorePanelFont(std::uint16_t) { }
};

} // namespace core
