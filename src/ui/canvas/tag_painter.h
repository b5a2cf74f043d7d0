#pragma once

// Draws each tag kind on the canvas in panel pixels: texts in the panel fonts, images, graph and
// pie previews and shapes, in the editor's colours (background for the panel's dark pixels, fill
// for its lit ones, outline marking a tag's extent on screen). A kind without a painter of its
// own shows as an outlined rectangle.

#include "ui/canvas/panel_text_painter.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPen>

class QPainter;

namespace core {
class CAppConfig;
class CTag;
class CBmpTextTag;
struct TagResources;
} // namespace core

namespace util {
class CLogFont;
class CMonoBitmap;
} // namespace util

namespace ui {

QColor fromColorRef(std::uint32_t colorRef);

class CTagPainter
{
public:
    explicit CTagPainter(const core::CAppConfig &config);

    void draw(QPainter &p, const core::CTag &tag, bool printing);
    // A monochrome image in the panel colours (white pixels lit), kept until clearCache.
    QImage image(const util::CMonoBitmap &bitmap, bool inverse)
    {
        return monoImage(bitmap, inverse);
    }
    // The project's images may have changed.
    void clearImages();
    // Colours or fonts changed: everything is drawn afresh.
    void clearCache();

    const core::CAppConfig &config() const { return m_config; }
    QColor back() const { return m_back; }
    QColor fill() const { return m_fill; }
    QColor outline() const { return m_outline; }

private:
    void drawTextTag(QPainter &p, const core::CTag &tag, const std::string &text,
                     std::uint16_t font, bool inverse, bool border, bool printing);
    void drawImage(QPainter &p, const core::TagResources &project, const QRect &rect,
                   std::uint16_t imageId, bool inverse, const util::CLogFont &caption);
    void drawBmpText(QPainter &p, const core::CBmpTextTag &tag);
    void drawGraph(QPainter &p, const core::CTag &tag, bool printing);
    void drawPie(QPainter &p, const core::CTag &tag);
    void drawShape(QPainter &p, const core::CTag &tag);
    void drawCircle(QPainter &p, const QRect &rect, const QPen &pen, bool filled);
    void drawOutline(QPainter &p, const QRect &rect);
    QImage monoImage(const util::CMonoBitmap &bitmap, bool inverse);

    const core::CAppConfig &m_config;
    CPanelTextPainter m_text;
    QColor m_back, m_fill, m_outline;
    QHash<QString, QImage> m_images;
    QHash<quint64, QImage> m_circles; // by radius, line type, thickness and fill
};

} // namespace ui
