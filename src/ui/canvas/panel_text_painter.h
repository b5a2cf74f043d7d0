#pragma once

// Draws text as the panel shows it: one fixed cell per character (8 x 16 or 16 x 16 normal,
// 16 x 32 or 32 x 32 large, 6 x 8 small), each glyph rendered with the resource language's font
// and stretched onto its cell. Texts are bytes in the panel's code page; rendered glyphs are kept
// for reuse.

#include "util/log_font.h"

#include <QColor>
#include <QHash>
#include <QImage>

#include <string_view>

class QPainter;

namespace core {
class CAppConfig;
}

namespace ui {

// The installed family for a Windows face name (굴림/돋움, 바탕, Arial, Times New Roman).
QString familyForFace(const std::string &faceBytes);

class CPanelTextPainter
{
public:
    explicit CPanelTextPainter(const core::CAppConfig &config);

    // Draws `bytes` (panel text in the code page `panelLangId`) from the panel point (x, y) on a
    // painter that maps panel pixels.
    void draw(QPainter &p, int x, int y, std::string_view bytes, std::uint16_t font,
              std::uint16_t panelLangId, const QColor &text, const QColor &back);
    void clearCache() { m_cache.clear(); }

private:
    QImage glyph(std::string_view ch, std::uint16_t font, bool doubleByte, std::uint16_t lang,
                 const QColor &text, const QColor &back);

    const core::CAppConfig &m_config;
    // Per colour pair (text, background), per code page, font and character code.
    QHash<quint64, QHash<quint64, QImage>> m_cache;
};

} // namespace ui
