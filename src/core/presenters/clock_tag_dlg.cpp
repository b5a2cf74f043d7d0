#include "core/presenters/clock_tag_dlg.h"

namespace core {

CClockTagDlg::CClockTagDlg(const FunctionEnv &env, CClockTag &tag)
    : CTagPropDlg(env, tag)
    , m_clock(tag)
{ }

void CClockTagDlg::SetFormat(int format)
{
    if (format >= 0 && format < kClockFormatCount && format != m_clock.Format())
        m_clock.SetFormat(std::uint16_t(format));
}

void CClockTagDlg::SetFont(std::uint16_t font)
{
    if (font <= 2 && font != m_clock.Font())
        m_clock.SetFont(font);
}

} // namespace core
