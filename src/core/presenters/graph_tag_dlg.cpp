#include "core/presenters/graph_tag_dlg.h"

namespace core {

CGraphTagDlg::CGraphTagDlg(const FunctionEnv &env, CGraphTag &tag)
    : CTagPropDlg(env, tag)
    , m_graph(tag)
    , m_point(env, tag.Point())
{ }

bool CGraphTagDlg::SetWidth(std::int64_t width)
{
    return InRange(width, kWidthRange.min, kWidthRange.max)
            && m_graph.SetWidth(std::int32_t(width));
}

bool CGraphTagDlg::SetHeight(std::int64_t height)
{
    return InRange(height, kHeightRange.min, kHeightRange.max)
            && m_graph.SetHeight(std::int32_t(height));
}

bool CGraphTagDlg::SetSamplingCount(std::int64_t count)
{
    if (!InRange(count, kSamplingCountRange.min, kSamplingCountRange.max))
        return false;
    m_graph.SetSamplingCount(std::int32_t(count));
    return true;
}

bool CGraphTagDlg::SetSamplingTime(std::int64_t seconds)
{
    if (!InRange(seconds, kSamplingTimeRange.min, kSamplingTimeRange.max))
        return false;
    m_graph.SetSamplingTime(std::int32_t(seconds));
    return true;
}

void CGraphTagDlg::SetDirection(std::uint16_t direction)
{
    if (!DirectionEnabled() || direction > kGraphRight || direction == m_graph.Direction())
        return;
    m_graph.SetDirection(direction);
}

void CGraphTagDlg::SetBorder(bool on)
{
    if (IsTrend())
        m_graph.SetBorder(on);
}

} // namespace core
