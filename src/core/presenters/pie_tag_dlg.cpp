#include "core/presenters/pie_tag_dlg.h"

namespace core {

CPieTagDlg::CPieTagDlg(const FunctionEnv &env, CPieTag &tag)
    : CTagPropDlg(env, tag)
    , m_pie(tag)
    , m_point(env, tag.Point())
{ }

int CPieTagDlg::StartAngleIndex(std::uint16_t degrees)
{
    if (degrees % kAngleStep != 0 || degrees / kAngleStep >= kAngleCount)
        return -1;
    return degrees / kAngleStep;
}

int CPieTagDlg::SweepIndex(std::uint16_t degrees)
{
    if (degrees == 0 || degrees % kAngleStep != 0 || degrees / kAngleStep > kAngleCount)
        return -1;
    return degrees / kAngleStep - 1;
}

void CPieTagDlg::SetStartAngle(std::uint16_t degrees)
{
    if (StartAngleIndex(degrees) >= 0 && degrees != m_pie.StartAngle())
        m_pie.SetStartAngle(degrees);
}

void CPieTagDlg::SetSweep(std::uint16_t degrees)
{
    if (SweepIndex(degrees) >= 0 && degrees != m_pie.Sweep())
        m_pie.SetSweep(degrees);
}

void CPieTagDlg::SetMode(std::uint16_t mode)
{
    if (mode == kPieFilled || mode == kPieNeedle)
        m_pie.SetMode(mode);
}

bool CPieTagDlg::SetRadius(std::int64_t radius)
{
    return InRange(radius, kRadiusRange.min, kRadiusRange.max)
            && m_pie.SetRadius(std::int32_t(radius));
}

} // namespace core
