#include "core/editor/selection_rules.h"

#include <algorithm>

namespace core::editor {

bool bandSelects(const CTag &tag, const CRect &band)
{
    if (band.left == band.right && band.top == band.bottom)
        return tag.HitTestHandle({band.left, band.top}, false) >= 0;
    return tag.IntersectsRect(band.Normalized());
}

std::int64_t overhang(const CRect &rect)
{
    const CRect r = rect.Normalized();
    const auto past = [](std::int64_t v) { return v > 0 ? v : 0; };
    return past(-std::int64_t(r.left)) + past(-std::int64_t(r.top))
            + past(std::int64_t(r.right) - kPanelWidth)
            + past(std::int64_t(r.bottom) - kPanelHeight);
}

bool keepsOnDisplay(const CRect &before, const CRect &after)
{
    return overhang(after) <= overhang(before);
}

CPoint offsetOntoDisplay(const CRect &rect)
{
    const CRect r = rect.Normalized();
    const auto axis = [](std::int32_t low, std::int32_t high, std::int32_t size) {
        if (low < 0)
            return -low;
        return high > size ? std::max(size - high, -low) : 0;
    };
    return {axis(r.left, r.right, kPanelWidth), axis(r.top, r.bottom, kPanelHeight)};
}

bool acceptsOffset(const std::vector<CTag *> &tags, std::int32_t dx, std::int32_t dy)
{
    for (const CTag *tag : tags) {
        const CRect moved = tag->Rect().Offset(dx, dy);
        if (!tag->IsRectOnPanel(moved) || !keepsOnDisplay(tag->Rect(), moved))
            return false;
    }
    return true;
}

CPoint clampToDisplay(const std::vector<CTag *> &tags, std::int32_t dx, std::int32_t dy)
{
    if (tags.empty())
        return {dx, dy};
    CRect bounds = tags.front()->Rect().Normalized();
    for (const CTag *tag : tags) {
        const CRect r = tag->Rect().Normalized();
        bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                  std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
    }
    if (overhang(bounds) > 0)
        return {dx, dy};
    return {std::clamp(dx, -bounds.left, kPanelWidth - bounds.right),
            std::clamp(dy, -bounds.top, kPanelHeight - bounds.bottom)};
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
