#pragma once

// The logic of the circle's property dialog ("원 속성"): radius, line kind, thickness, fill and
// position.

#include "core/presenters/entry_range.h"
#include "core/presenters/shape_tag_dlg.h"
#include "core/tags/circle_tag.h"

namespace core {

class CCircleTagDlg : public CShapeTagDlg
{
public:
    // Up to the largest circle the 64-pixel-high panel shows whole.
    static constexpr EntryRange kRadiusRange{1, kPanelHeight / 2};

    CCircleTagDlg(const FunctionEnv &env, CCircleTag &tag);

    CCircleTag &Circle() { return m_circle; }
    const CCircleTag &Circle() const { return m_circle; }

    // Outside the range: its message and no change.
    bool SetRadius(std::int64_t radius);

    std::uint16_t LineType() const override { return m_circle.LineType(); }
    std::uint16_t Thickness() const override { return m_circle.Thickness(); }
    bool HasFill() const override { return true; }
    bool IsFilled() const override { return m_circle.IsFilled(); }
    void SetFill(bool on) override { m_circle.SetFill(on); }

protected:
    void ApplyLineType(std::uint16_t type) override { m_circle.SetLineType(type); }
    void ApplyThickness(std::uint16_t thickness) override { m_circle.SetThickness(thickness); }

private:
    CCircleTag &m_circle;
};

} // namespace core
