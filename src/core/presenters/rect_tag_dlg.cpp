#include "core/presenters/rect_tag_dlg.h"

namespace core {

CRectTagDlg::CRectTagDlg(const FunctionEnv &env, CRectTag &tag)
    : CShapeTagDlg(env, tag)
    , m_rect(tag)
{ }

bool CRectTagDlg::SetWidth(std::int64_t width)
{
    return InRange(width, kWidthRange.min, kWidthRange.max) && m_rect.SetWidth(std::int32_t(width));
}

bool CRectTagDlg::SetHeight(std::int64_t height)
{
    return InRange(height, kHeightRange.min, kHeightRange.max)
            && m_rect.SetHeight(std::int32_t(height));
}

} // namespace core
