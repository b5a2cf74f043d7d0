#pragma once

// Panel-pixel geometry shared by the model and the editor: a point and a rectangle with the
// framework's conventions (right and bottom exclusive, "normalised" means left <= right and
// top <= bottom).

#include <algorithm>
#include <cstdint>

namespace core {

struct CPoint
{
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const CPoint &) const = default;
};

struct CRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }

    CRect Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    // True for a point inside the rectangle as it stands (right and bottom excluded).
    bool Contains(CPoint p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    CRect Intersected(const CRect &o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    CRect Offset(std::int32_t dx, std::int32_t dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }

    bool operator==(const CRect &) const = default;
};

} // namespace core
