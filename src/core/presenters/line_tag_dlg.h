#pragma once

// The logic of the line's property dialog ("선 속성"): start and end point on the panel, line
// kind and thickness.

#include "core/presenters/entry_range.h"
#include "core/presenters/shape_tag_dlg.h"
#include "core/tags/line_tag.h"

namespace core {

class CLineTagDlg : public CShapeTagDlg
{
public:
    // Both points lie on the panel's pixels.
    static constexpr EntryRange kXRange{0, kPanelWidth - 1};
    static constexpr EntryRange kYRange{0, kPanelHeight - 1};

    CLineTagDlg(const FunctionEnv &env, CLineTag &tag);

    CLineTag &Line() { return m_line; }
    const CLineTag &Line() const { return m_line; }

    // Each moves one coordinate of one point, the other point stays; outside the panel the
    // range message and no change.
    bool SetStartX(std::int64_t x);
    bool SetStartY(std::int64_t y);
    bool SetEndX(std::int64_t x);
    bool SetEndY(std::int64_t y);

    std::uint16_t LineType() const override { return m_line.LineType(); }
    std::uint16_t Thickness() const override { return m_line.Thickness(); }

protected:
    void ApplyLineType(std::uint16_t type) override { m_line.SetLineType(type); }
    void ApplyThickness(std::uint16_t thickness) override { m_line.SetThickness(thickness); }

private:
    CLineTag &m_line;
};

} // namespace core
