#include "core/editor/arrange_rules.h"

#include "core/tags/tag.h"

#include <algorithm>
#include <numeric>

namespace core::editor {

CRect boundingRect(const std::vector<CRect> &rects)
{
    if (rects.empty())
        return {};
    CRect b = rects.front().Normalized();
    for (const CRect &r0 : rects) {
        const CRect r = r0.Normalized();
        b = {std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right),
             std::max(b.bottom, r.bottom)};
    }
    return b;
}

std::vector<CRect> alignRects(const std::vector<CRect> &rects, Edge edge)
{
    std::vector<CRect> out = rects;
    switch (edge) {
    case Edge::Left: {
        std::int32_t m = kPanelWidth;
        for (const CRect &r : rects)
            m = std::min(m, r.left);
        if (m >= kPanelWidth)
            return out;
        for (CRect &r : out)
            r = r.Offset(m - r.left, 0);
        break;
    }
    case Edge::Top: {
        std::int32_t m = kPanelHeight;
        for (const CRect &r : rects)
            m = std::min(m, r.top);
        if (m >= kPanelHeight)
            return out;
        for (CRect &r : out)
            r = r.Offset(0, m - r.top);
        break;
    }
    case Edge::Right: {
        std::int32_t m = 0;
        for (const CRect &r : rects)
            m = std::max(m, r.right);
        if (m > kPanelWidth - 1)
            return out;
        for (CRect &r : out)
            r = r.Offset(m - r.right, 0);
        break;
    }
    case Edge::Bottom: {
        std::int32_t m = 0;
        for (const CRect &r : rects)
            m = std::max(m, r.bottom);
        if (m > kPanelHeight - 1)
            return out;
        for (CRect &r : out)
            r = r.Offset(0, m - r.bottom);
        break;
    }
    }
    return out;
}

std::vector<CRect> alignToScreen(const std::vector<CRect> &rects, Edge edge)
{
    std::vector<CRect> out = rects;
    for (CRect &r : out) {
        switch (edge) {
        case Edge::Left:
            r = r.Offset(-r.left, 0);
            break;
        case Edge::Top:
            r = r.Offset(0, -r.top);
            break;
        case Edge::Right:
            if (r.Width() <= kPanelWidth)
                r = r.Offset(kPanelWidth - r.right, 0);
            break;
        case Edge::Bottom:
            if (r.Height() <= kPanelHeight)
                r = r.Offset(0, kPanelHeight - r.bottom);
            break;
        }
    }
    return out;
}

std::vector<CRect> centreRects(const std::vector<CRect> &rects, bool horizontal)
{
    if (rects.empty())
        return rects;
    const CRect b = boundingRect(rects);
    const std::int32_t dx = horizontal ? kPanelWidth / 2 - (b.left + b.Width() / 2) : 0;
    const std::int32_t dy = horizontal ? 0 : kPanelHeight / 2 - (b.top + b.Height() / 2);
    std::vector<CRect> out = rects;
    for (CRect &r : out)
        r = r.Offset(dx, dy);
    return out;
}

std::optional<std::vector<CRect>> distributeRects(const std::vector<CRect> &rects, bool horizontal)
{
    if (rects.size() < 3)
        return rects;
    const auto lead = [horizontal](const CRect &r) { return horizontal ? r.left : r.top; };
    const auto size = [horizontal](const CRect &r) { return horizontal ? r.Width() : r.Height(); };

    // Insertion before the first strictly greater edge: equal edges keep selection order.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const auto pos = std::find_if(order.begin(), order.end(), [&](std::size_t j) {
            return lead(rects[j]) > lead(rects[i]);
        });
        order.insert(pos, i);
    }

    const CRect b = boundingRect(rects);
    const std::int32_t span = horizontal ? b.Width() : b.Height();
    std::int32_t total = 0;
    for (const CRect &r : rects)
        total += size(r);
    if (total > span)
        return std::nullopt;
    const std::int32_t gap = (span - total) / std::int32_t(rects.size() - 1);

    std::vector<CRect> out = rects;
    std::int32_t previousEnd = horizontal ? out[order[0]].right : out[order[0]].bottom;
    for (std::size_t k = 1; k < order.size(); ++k) {
        CRect &r = out[order[k]];
        const std::int32_t start = previousEnd + gap;
        r = horizontal ? r.Offset(start - r.left, 0) : r.Offset(0, start - r.top);
        previousEnd = horizontal ? r.right : r.bottom;
    }
    return out;
}

} // namespace core::editor
