#include "core/presenters/circle_tag_dlg.h"

namespace core {

CCircleTagDlg::CCircleTagDlg(const FunctionEnv &env, CCircleTag &tag)
    : CShapeTagDlg(env, tag)
    , m_circle(tag)
{ }

bool CCircleTagDlg::SetRadius(std::int64_t radius)
{
    return InRange(radius, kRadiusRange.min, kRadiusRange.max)
            && m_circle.SetRadius(std::int32_t(radius));
}

} // namespace core
