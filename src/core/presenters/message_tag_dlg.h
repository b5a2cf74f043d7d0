#pragma once

// The logic of the message tag's property dialog ("메시지 속성"): position, inverse, border,
// panel font, the device word whose value picks the message (read by the panel, never written)
// and the value-to-message table, edited in a window of its own. The text is the message of the
// table's first entry and is shown, not typed.

#include "core/presenters/point_group.h"
#include "core/presenters/text_look_dlg.h"
#include "core/tags/message_tag.h"

namespace core {

class CStrResMgr;

class CMessageTagDlg : public CTextLookDlg
{
public:
    // `strings` are the project's messages (may be null: the tag then reads "Message").
    CMessageTagDlg(const FunctionEnv &env, CMessageTag &tag, const CStrResMgr *strings);

    CMessageTag &MessageTag() { return m_message; }
    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }

    bool TextEditable() const override { return false; }
    bool IsInverse() const override { return m_message.IsInverse(); }
    void SetInverse(bool on) override { m_message.SetInverse(on); }
    bool HasBorder() const override { return m_message.HasBorder(); }
    bool SetBorder(bool on) override
    {
        m_message.SetBorder(on);
        return true;
    }
    bool HasPanelFont() const override { return true; }
    std::uint16_t PanelFont() const override { return m_message.Font(); }

    // After the table editor changed the table: the shown text and the rectangle follow it.
    void TableChanged();

    bool Ok() override { return m_point.Ok(); }

protected:
    std::string StoredText() const override { return m_message.ShownText(); }
    void StorePanelFont(std::uint16_t font) override { m_message.SetFont(font); }

private:
    CMessageTag &m_message;
    const CStrResMgr *m_strings;
    CPointGroup m_point;
};

} // namespace core
