#include "core/presenters/mobile_tag_dlg.h"

namespace core {

CMobileTagDlg::CMobileTagDlg(const FunctionEnv &env, CMobileTag &tag)
    : CTagPropDlg(env, tag)
    , m_mobile(tag)
    , m_xPoint(env, tag.XPoint())
    , m_yPoint(env, tag.YPoint())
{ }

bool CMobileTagDlg::SetWidth(std::int64_t width)
{
    return InRange(width, MovesX() ? 1 : 0, kPanelWidth) && m_mobile.SetWidth(std::int32_t(width));
}

bool CMobileTagDlg::SetHeight(std::int64_t height)
{
    return InRange(height, MovesY() ? 1 : 0, kPanelHeight)
            && m_mobile.SetHeight(std::int32_t(height));
}

void CMobileTagDlg::SetMoveX(bool on)
{
    if (on != MovesX())
        m_mobile.SetMoveX(on);
}

void CMobileTagDlg::SetMoveY(bool on)
{
    if (on != MovesY())
        m_mobile.SetMoveY(on);
}

bool CMobileTagDlg::SetImage(std::uint32_t number)
{
    if (!TakeImage(number))
        return false;
    m_mobile.SetImage(std::uint16_t(number));
    return true;
}

} // namespace core
