#include "core/presenters/motor_tag_dlg.h"

namespace core {

CMotorTagDlg::CMotorTagDlg(const FunctionEnv &env, CMotorTag &tag)
    : CTagPropDlg(env, tag)
    , m_motor(tag)
    , m_point(env, tag.Point())
{ }

bool CMotorTagDlg::SetImageCount(std::int64_t count)
{
    if (count < CMotorTag::kMinImages || count > std::int64_t(CMotorTag::kMaxImages))
        return false;
    return m_motor.SetImageCount(std::uint16_t(count));
}

std::uint16_t CMotorTagDlg::Image(std::size_t slot) const
{
    return slot < CMotorTag::kMaxImages ? m_motor.Images()[slot] : std::uint16_t(0xFFFF);
}

bool CMotorTagDlg::SetImage(std::size_t slot, std::uint32_t number)
{
    if (!ImageEnabled(slot) || !TakeImage(number))
        return false;
    return m_motor.SetImage(slot, std::uint16_t(number));
}

void CMotorTagDlg::SetDirection(std::uint16_t direction)
{
    if (direction == kClockwise || direction == kCounterClockwise)
        m_motor.SetDirection(direction);
}

} // namespace core
