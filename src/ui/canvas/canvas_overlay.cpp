#include "ui/canvas/canvas_overlay.h"

#include "core/app/app_config.h"
#include "core/editor/canvas_mapping.h"
#include "core/editor/selection_rules.h"

#include "ui/canvas/tag_painter.h"
#include "ui/canvas/tool_ids.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygon>

#include <algorithm>
#include <map>
#include <utility>

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
            // A frame in two contrasting lines (it shows on a dark and a light background alike)
            // with a handle image at each corner, as the tags with handles have.
            const core::CRect r = tag->Rect().Normalized();
            const QRect frame
                    = toDevice(mapping, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1})
                              .adjusted(0, 0, -1, -1);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(select, 1));
            p.drawRect(frame);
            p.setPen(QPen(Qt::white, 1, Qt::DashLine));
            p.drawRect(frame);
            for (const QPoint &c :
                 {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()})
                p.drawImage(c.x() - core::kHandleDrawRadius, c.y() - core::kHandleDrawRadius,
                            handle);
        }
    }
}

QRect bandExtent(const BandFigure &band, const std::vector<core::CTag *> &selection,
                 const core::editor::CCanvasMapping &mapping)
{
    using Kind = BandFigure::Kind;
    constexpr int kSpare = 2;
    switch (band.kind) {
    case Kind::None:
        return {};
    case Kind::Outline: {
        QRect all;
        for (const core::CTag *tag : selection)
            all |= toDevice(mapping, tag->Rect().Normalized()).translated(band.offset);
        return all.isEmpty() ? all : all.adjusted(-kSpare, -kSpare, kSpare, kSpare);
    }
    default: {
        // A line's rectangle runs from one end to the other in any direction.
        const QPoint a = band.rect.topLeft(), b = band.rect.bottomRight();
        return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())))
                .adjusted(-kSpare, -kSpare, kSpare, kSpare);
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

namespace {

// A warning triangle at the visible top-left of a tag that hangs off the display: the panel will
// cut it.
void paintOffDisplayMark(QPainter &p, const QRect &tag)
{
    const int x = std::max(tag.left(), 0), y = std::max(tag.top(), 0);
    const QPolygon triangle({QPoint(x + 4, y), QPoint(x + 8, y + 8), QPoint(x, y + 8)});
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(triangle);
    p.restore();
}

} // namespace

void paintLockMarks(QPainter &p, const std::vector<const core::CTag *> &tags,
                    const core::editor::CCanvasMapping &mapping)
{
    // A small padlock at the top-right corner of every locked tag, drawn in XOR so that it shows
    // on any colour.
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    for (const core::CTag *tag : tags) {
        if (core::editor::overhang(tag->Rect()) > 0)
            paintOffDisplayMark(p, toDevice(mapping, tag->Rect().Normalized()));
        if (!tag->IsLocked())
            continue;
        const QRect r = toDevice(mapping, tag->Rect().Normalized());
        const QRect body(r.right() - kLockMarkSize.width() + 1, r.top() + 3, kLockMarkSize.width(),
                         kLockMarkSize.height() - 3);
        p.fillRect(body, Qt::white);
        p.drawArc(QRect(body.left() + 1, r.top(), body.width() - 3, 6), 0, 180 * 16);
    }
    p.restore();
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

QCursor toolCursor(int toolId)
{
    static std::map<int, QCursor> cursors;
    if (const auto it = cursors.find(toolId); it != cursors.end())
        return it->second;
    constexpr int kSize = 32;
    constexpr int kHot = 8; // the cross's centre
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        // A black cross edged in white reads on the light canvas and on the dark display.
        for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 3}, {Qt::black, 1}}) {
            p.setPen(QPen(colour, width));
            p.drawLine(kHot, 1, kHot, 2 * kHot - 1);
            p.drawLine(1, kHot, 2 * kHot - 1, kHot);
        }
        const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(toolIconName(toolId))));
        p.drawPixmap(kSize / 2, kSize / 2, icon.pixmap(kSize / 2, kSize / 2));
    }
    return cursors.emplace(toolId, QCursor(picture, kHot, kHot)).first->second;
}

} // namespace ui
