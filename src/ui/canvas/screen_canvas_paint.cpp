// The canvas's painting: the panel and selection marks from the picture cache, the band and the
// keyboard's placement cross over them, and the repaint regions of what moves.

#include "ui/canvas/screen_canvas.h"

#include "ui/canvas/canvas_overlay.h"
#include "ui/canvas/canvas_picture_cache.h"
#include "ui/canvas/tag_painter.h"

#include "core/app/app_config.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"

#include "util/mono_bitmap.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

void CScreenCanvas::invalidateTag(const core::CTag *tag)
{
    QRect r = toDevice(tag->Rect());
    if (isSelected(tag))
        r.adjust(-6, -6, 7, 7);
    update(r.adjusted(-1, -1, 1, 1));
}

void CScreenCanvas::setBand(Band band, const QRect &rect, QPoint offset)
{
    m_band = band;
    m_bandRect = rect;
    m_bandOffset = offset;
    // Only where the band was and where it is now: the panel under it is unchanged.
    const QRect extent
            = bandExtent(BandFigure{m_band, m_bandRect, m_bandOffset}, m_selection, m_mapping);
    update(QRegion(m_bandExtent) + QRegion(extent));
    m_bandExtent = extent;
}

void CScreenCanvas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect clip = event->rect();
    const bool copied = m_picture->paint(
            p, clip, size(), pictureKey(),
            [this](QPainter &picture, const QRect &part) { paintPicture(picture, part); });
    if (!copied)
        paintPicture(p, clip);
    if (m_band != Band::None)
        paintBandFigure(p, BandFigure{m_band, m_bandRect, m_bandOffset}, m_selection, m_mapping);
    m_keyPlacement.paint(p);
}

void CScreenCanvas::paintPicture(QPainter &p, const QRect &clip) const
{
    paintScreen(p, clip, false);
    if (m_active)
        paintSelectionMarks(p, m_selection, m_mapping, m_config.colors());
}

std::uint64_t CScreenCanvas::pictureKey() const
{
    CFingerprint sum;
    sum.add(m_mapping.sx());
    sum.add(m_mapping.sy());
    const core::EditorColors &c = m_config.colors();
    for (const std::uint32_t colour : {c.grid, c.back, c.outline, c.fill, c.select, c.focus})
        sum.add(colour);
    sum.add(m_grid->showGrid);
    sum.add(m_grid->xDot);
    sum.add(m_grid->yDot);
    sum.add(m_grid->style);
    sum.add(m_screen.IsBackgroundOn());
    sum.add(m_screen.BackgroundImage());
    const core::CImgResMgr *images = m_screen.Resources().images;
    sum.add(images ? images->Bitmap(m_screen.BackgroundImage()) : nullptr);
    for (const core::CTag *tag : drawingOrder()) {
        sum.add(tag);
        addTagFace(sum, *tag);
    }
    sum.add(m_active);
    for (const core::CTag *tag : m_selection)
        sum.add(tag);
    return sum.value();
}

void CScreenCanvas::renderPanel(QPainter &p, bool printing) const
{
    paintScreen(p, QRect(0, 0, m_mapping.deviceWidth(), m_mapping.deviceHeight()), printing);
}

void CScreenCanvas::paintScreen(QPainter &p, const QRect &clip, bool printing) const
{
    p.fillRect(clip, m_painter->back());
    p.save();
    p.scale(m_mapping.sx(), m_mapping.sy());
    if (m_screen.IsBackgroundOn()) {
        const core::CImgResMgr *images = m_screen.Resources().images;
        if (const util::CMonoBitmap *bmp
            = images ? images->Bitmap(m_screen.BackgroundImage()) : nullptr) {
            const QImage img = m_painter->image(*bmp, false);
            p.drawImage(0, 0, img);
        }
    }
    p.restore();
    if (!printing)
        paintGrid(p, *m_grid, m_mapping, fromColorRef(m_config.colors().grid));
    p.save();
    p.scale(m_mapping.sx(), m_mapping.sy());
    // In the order the file keeps, so what is drawn here is what the panel will draw.
    for (const core::CTag *tag : drawingOrder())
        m_painter->draw(p, *tag, printing);
    p.restore();
    if (!printing) {
        std::vector<const core::CTag *> tags;
        for (const auto &tag : m_screen.Tags())
            tags.push_back(tag.get());
        paintLockMarks(p, tags, m_mapping);
    }
}

} // namespace ui
