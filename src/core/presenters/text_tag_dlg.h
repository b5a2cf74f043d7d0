#pragma once

// The logic of the fixed text's property dialog ("텍스트 속성"): text, position, inverse, border
// and the panel font. Every change lands on the tag at once.

#include "core/presenters/text_look_dlg.h"
#include "core/tags/text_tag.h"

namespace core {

class CTextTagDlg : public CTextLookDlg
{
public:
    CTextTagDlg(const FunctionEnv &env, CTextTag &tag)
        : CTextLookDlg(env, tag)
        , m_text(tag)
    { }

    const CTextTag &TextTag() const { return m_text; }

    bool IsInverse() const override { return m_text.IsInverse(); }
    void SetInverse(bool on) override { m_text.SetInverse(on); }
    bool HasBorder() const override { return m_text.HasBorder(); }
    bool SetBorder(bool on) override
    {
        m_text.SetBorder(on);
        return true;
    }
    bool HasPanelFont() const override { return true; }
    std::uint16_t PanelFont() const override { return m_text.Font(); }

protected:
    std::string StoredText() const override { return m_text.Text(); }
    bool StoreText(std::string_view bytes) override
    {
        m_text.SetText(bytes);
        return true;
    }
    void StorePanelFont(std::uint16_t font) override { m_text.SetFont(font); }

private:
    CTextTag &m_text;
};

} // namespace core
