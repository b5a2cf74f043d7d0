#include "core/presenters/message_tag_dlg.h"

#include "core/model/str_res_mgr.h"

namespace core {

CMessageTagDlg::CMessageTagDlg(const FunctionEnv &env, CMessageTag &tag, const CStrResMgr *strings)
    : CTextLookDlg(env, tag)
    , m_message(tag)
    , m_strings(strings)
    , m_point(env, tag.Point())
{
    m_point.SetMustWrite(false); // the panel only reads the word
}

void CMessageTagDlg::TableChanged()
{
    if (m_strings)
        m_message.RefreshMessages(*m_strings);
    else
        m_message.RecalcRect(0);
}

} // namespace core
