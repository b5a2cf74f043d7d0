#include "core/presenters/shape_tag_dlg.h"

#include "core/tags/line_style.h"

namespace core {

void CShapeTagDlg::SetLineType(std::uint16_t type)
{
    if (type <= kLineDashed && type != LineType())
        ApplyLineType(type);
}

void CShapeTagDlg::SetThickness(std::uint16_t thickness)
{
    if (thickness > 0 && thickness != Thickness())
        ApplyThickness(thickness);
}

std::vector<std::uint16_t> CShapeTagDlg::ThicknessChoices() const
{
    std::vector<std::uint16_t> choices;
    for (std::uint16_t t = 1; t <= kMaxListedThickness; ++t)
        choices.push_back(t);
    if (Thickness() > kMaxListedThickness)
        choices.push_back(Thickness());
    return choices;
}

} // namespace core
