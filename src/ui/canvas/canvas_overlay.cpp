#include "ui/canvas/canvas_overlay.h"

#include "core/app/app_config.h"
#include "core/editor/canvas_mapping.h"

#include "ui/canvas/tag_painter.h"

#include <QImage>
#include <QPainter>

namespace ui {

namespace {

QRect toDevice(const core::editor::CCanvasMapping &mapping, const core::CRect &logical)
{
    const core::CRect d = mapping.toDevice(logical);
    return QRect(d.left, d.top, d.Width(), d.Height());
}

} // namespace

void paintGrid(QPainter &p, const core::GridSettings &g,
               const core::editor::CCanvasMapping &mapping, const QColor &colour)
{
    if (!g.showGrid || g.xDot < 1 || g.yDot < 1)
        return;
    if (g.style == 0) {
        for (int x = g.xDot; x < core::kPanelWidth; x += g.xDot)
            for (int y = g.yDot; y < core::kPanelHeight; y += g.yDot) {
                const core::CPoint d = mapping.toDevice(core::CPoint{x, y});
                p.fillRect(QRect(d.x, d.y, 1, 1), colour);
            }
        return;
    }
    if (g.style != 1 && g.style != 2)
        return;
    QPen pen(colour);
    pen.setWidth(0);
    pen.setStyle(g.style == 1 ? Qt::SolidLine : Qt::DotLine);
    p.setPen(pen);
    const int w = mapping.deviceWidth(), h = mapping.deviceHeight();
    for (int x = g.xDot; x < core::kPanelWidth; x += g.xDot) {
        const int dx = mapping.toDevice(core::CPoint{x, 0}).x;
        p.drawLine(dx, 0, dx, h);
    }
    for (int y = g.yDot; y < core::kPanelHeight; y += g.yDot) {
        const int dy = mapping.toDevice(core::CPoint{0, y}).y;
        p.drawLine(0, dy, w, dy);
    }
}

void paintSelectionMarks(QPainter &p, const std::vector<core::CTag *> &selection,
                         const core::editor::CCanvasMapping &mapping,
                         const core::EditorColors &colours)
{
    const QColor select = fromColorRef(colours.select);
    const QColor focus = fromColorRef(colours.focus);
    // One handle image, stamped at every handle point.
    const int d = 2 * core::kHandleDrawRadius + 1;
    QImage handle(d, d, QImage::Format_ARGB32_Premultiplied);
    handle.fill(Qt::transparent);
    {
        QPainter hp(&handle);
        hp.setPen(select);
        hp.setBrush(focus);
        hp.drawEllipse(QPoint(core::kHandleDrawRadius, core::kHandleDrawRadius),
                       core::kHandleDrawRadius - 1, core::kHandleDrawRadius - 1);
    }
    for (const core::CTag *tag : selection) {
        if (tag->GetHandleCount() > 0) {
            for (int h = 1; h <= tag->GetHandleCount() && h <= 8; ++h) {
                const core::CPoint c = mapping.toDevice(tag->GetHandlePoint(h));
                p.drawImage(c.x - core::kHandleDrawRadius, c.y - core::kHandleDrawRadius, handle);
            }
        } else {
            const core::CRect r = tag->Rect().Normalized();
            p.setPen(select);
            p.setBrush(Qt::NoBrush);
            p.drawRect(toDevice(mapping, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1})
                               .adjusted(0, 0, -1, -1));
        }
    }
}

void paintBandFigure(QPainter &p, const BandFigure &band,
                     const std::vector<core::CTag *> &selection,
                     const core::editor::CCanvasMapping &mapping)
{
    using Kind = BandFigure::Kind;
    if (band.kind == Kind::None)
        return;
    QPen pen(Qt::white);
    pen.setStyle(band.kind == Kind::Focus ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    switch (band.kind) {
    case Kind::Outline:
        for (const core::CTag *tag : selection)
            p.drawRect(
                    toDevice(mapping, tag->Rect()).translated(band.offset).adjusted(0, 0, -1, -1));
        break;
    case Kind::Line:
        // The two corners as given are the ends (the rectangle is not normalised).
        p.drawLine(band.rect.topLeft(), band.rect.bottomRight());
        break;
    case Kind::Ellipse:
        p.drawEllipse(band.rect);
        break;
    default:
        p.drawRect(band.rect.adjusted(0, 0, -1, -1));
        break;
    }
}

Qt::CursorShape cursorShape(core::TagCursor cursor)
{
    switch (cursor) {
    case core::TagCursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case core::TagCursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case core::TagCursor::SizeNS:
        return Qt::SizeVerCursor;
    case core::TagCursor::SizeWE:
        return Qt::SizeHorCursor;
    case core::TagCursor::SizeAll:
        return Qt::SizeAllCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace ui
