#include "core/presenters/two_image_tag_dlg.h"

namespace core {

CTwoImageTagDlg::CTwoImageTagDlg(const FunctionEnv &env, CTwoImageTag &tag, bool mustWrite)
    : CTagPropDlg(env, tag)
    , m_face(tag)
    , m_point(env, tag.Point())
{
    m_point.SetMustWrite(mustWrite);
}

void CTwoImageTagDlg::SetOnValue(std::uint16_t value)
{
    if (value <= 1)
        m_face.SetOnValue(value);
}

bool CTwoImageTagDlg::SetOffImage(std::uint32_t number)
{
    if (!TakeImage(number))
        return false;
    m_face.SetOffImage(std::uint16_t(number));
    return true;
}

bool CTwoImageTagDlg::SetOnImage(std::uint32_t number)
{
    if (!TakeImage(number))
        return false;
    m_face.SetOnImage(std::uint16_t(number));
    return true;
}

} // namespace core
