#include "core/presenters/line_tag_dlg.h"

namespace core {

CLineTagDlg::CLineTagDlg(const FunctionEnv &env, CLineTag &tag)
    : CShapeTagDlg(env, tag)
    , m_line(tag)
{ }

bool CLineTagDlg::SetStartX(std::int64_t x)
{
    if (!InRange(x, kXRange.min, kXRange.max))
        return false;
    m_line.SetStart(std::int32_t(x), m_line.Start().y);
    return true;
}

bool CLineTagDlg::SetStartY(std::int64_t y)
{
    if (!InRange(y, kYRange.min, kYRange.max))
        return false;
    m_line.SetStart(m_line.Start().x, std::int32_t(y));
    return true;
}

bool CLineTagDlg::SetEndX(std::int64_t x)
{
    if (!InRange(x, kXRange.min, kXRange.max))
        return false;
    m_line.SetEnd(std::int32_t(x), m_line.End().y);
    return true;
}

bool CLineTagDlg::SetEndY(std::int64_t y)
{
    if (!InRange(y, kYRange.min, kYRange.max))
        return false;
    m_line.SetEnd(m_line.End().x, std::int32_t(y));
    return true;
}

} // namespace core
