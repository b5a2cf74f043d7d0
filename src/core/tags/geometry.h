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

// How far from the panel's origin a tag's edge may lie. Records hold anchors as 16-bit signed
// values and sizes as 16-bit unsigned ones (a circle's box is twice its radius), so no stored
// tag reaches beyond about 164000; 2^18 leaves room above that.
inline constexpr std::int32_t kTagCoordLimit = 1 << 18;

// A rectangle from edges summed in 64 bits out of stored (and so untrusted) fields. Each edge is
// kept within one pixel beyond kTagCoordLimit: no sum overflows, Width() and Height() stay small,
// and an edge that was out of range stays out of range for isPlausibleTagRect.
inline CRect boundedRect(std::int64_t left, std::int64_t top, std::int64_t right,
                         std::int64_t bottom)
{
    const auto bound = [](std::int64_t v) {
        const std::int64_t limit = std::int64_t(kTagCoordLimit) + 1;
        return std::int32_t(std::clamp(v, -limit, limit));
    };
    return {bound(left), bound(top), bound(right), bound(bottom)};
}

// A rectangle a tag can have: no negative width or height, every edge within kTagCoordLimit.
// Tags may hang off the display, or be larger than it (a long text in the large font).
inline bool isPlausibleTagRect(const CRect &r)
{
    const auto inRange = [](std::int32_t v) { return v >= -kTagCoordLimit && v <= kTagCoordLimit; };
    return r.left <= r.right && r.top <= r.bottom && inRange(r.left) && inRange(r.top)
            && inRange(r.right) && inRange(r.bottom);
}

} // namespace core
