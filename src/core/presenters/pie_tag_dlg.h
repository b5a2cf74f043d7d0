#pragma once

// The logic of the pie graph's property dialog ("파이 그래프 속성"): start angle and sweep in
// steps of 45 degrees, fill or needle, radius, inverse colour, position and the device point.

#include "core/presenters/entry_range.h"
#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/pie_tag.h"

namespace core {

class CPieTagDlg : public CTagPropDlg
{
public:
    static constexpr std::uint16_t kAngleStep = 45;
    // Both lists hold eight angles: starts 0 to 315, sweeps 45 to 360.
    static constexpr int kAngleCount = 8;
    static constexpr EntryRange kRadiusRange{8, 64};

    CPieTagDlg(const FunctionEnv &env, CPieTag &tag);

    CPieTag &Pie() { return m_pie; }
    const CPieTag &Pie() const { return m_pie; }
    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }

    // The angle of list entry `index`, and the entry of an angle (-1 when the list has none).
    static std::uint16_t StartAngleAt(int index) { return std::uint16_t(index * kAngleStep); }
    static std::uint16_t SweepAt(int index) { return std::uint16_t((index + 1) * kAngleStep); }
    static int StartAngleIndex(std::uint16_t degrees);
    static int SweepIndex(std::uint16_t degrees);

    // Angles off the lists are ignored.
    void SetStartAngle(std::uint16_t degrees);
    void SetSweep(std::uint16_t degrees);
    // kPieFilled or kPieNeedle.
    void SetMode(std::uint16_t mode);
    // Outside 8 to 64: the range message and no change.
    bool SetRadius(std::int64_t radius);
    void SetInverse(bool on) { m_pie.SetInverse(on); }

    bool Ok() override { return m_point.Ok(); }

private:
    CPieTag &m_pie;
    CPointGroup m_point;
};

} // namespace core
