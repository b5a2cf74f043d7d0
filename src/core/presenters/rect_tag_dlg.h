#pragma once

// The logic of the rectangle's property dialog ("사각형 속성"): width, height, line kind,
// thickness, fill and position.

#include "core/presenters/entry_range.h"
#include "core/presenters/shape_tag_dlg.h"
#include "core/tags/rect_tag.h"

namespace core {

class CRectTagDlg : public CShapeTagDlg
{
public:
    static constexpr EntryRange kWidthRange{1, kPanelWidth};
    static constexpr EntryRange kHeightRange{1, kPanelHeight};

    CRectTagDlg(const FunctionEnv &env, CRectTag &tag);

    CRectTag &Rect() { return m_rect; }
    const CRectTag &Rect() const { return m_rect; }

    // Outside the range: its message and no change.
    bool SetWidth(std::int64_t width);
    bool SetHeight(std::int64_t height);

    std::uint16_t LineType() const override { return m_rect.LineType(); }
    std::uint16_t Thickness() const override { return m_rect.Thickness(); }
    bool HasFill() const override { return true; }
    bool IsFilled() const override { return m_rect.IsFilled(); }
    void SetFill(bool on) override { m_rect.SetFill(on); }

protected:
    void ApplyLineType(std::uint16_t type) override { m_rect.SetLineType(type); }
    void ApplyThickness(std::uint16_t thickness) override { m_rect.SetThickness(thickness); }

private:
    CRectTag &m_rect;
};

} // namespace core
