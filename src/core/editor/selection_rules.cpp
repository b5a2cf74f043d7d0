#include "core/editor/selection_rules.h"

namespace core::editor {

bool bandSelects(const CTag &tag, const CRect &band)
{
    if (band.left == band.right && band.top == band.bottom)
        return tag.HitTestHandle({band.left, band.top}, false) >= 0;
    return tag.IntersectsRect(band.Normalized());
}

bool acceptsOffset(const std::vector<CTag *> &tags, std::int32_t dx, std::int32_t dy)
{
    for (const CTag *tag : tags)
        if (!tag->IsRectOnPanel(tag->Rect().Offset(dx, dy)))
            return false;
    return true;
}

bool moveTagBy(CTag &tag, std::int32_t dx, std::int32_t dy)
{
    if (dx == 0 && dy == 0)
        return false;
    if (!tag.IsRectOnPanel(tag.Rect().Offset(dx, dy)))
        return false;
    tag.MoveTo(tag.X() + dx, tag.Y() + dy);
    return true;
}

bool moveTagToRect(CTag &tag, const CRect &target)
{
    return moveTagBy(tag, target.left - tag.Rect().left, target.top - tag.Rect().top);
}

} // namespace core::editor
