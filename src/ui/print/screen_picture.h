#pragma once

// Pictures of one screen for printing and export: the display as the canvas's print rendering
// draws it (no grid, outlines or selection marks), either in the editor's colours inside the
// panel picture, or bare: 192 x 64 panel pixels, lit pixels black on white, each panel pixel an
// N x N square.

#include <QColor>
#include <QImage>

namespace core {
class CAppConfig;
class CScreenData;
} // namespace core

namespace ui {

class CTagPainter;

// Every pixel of the background colour white, every other black.
QImage blackAndWhite(const QImage &image, const QColor &back);
// The display at one image pixel per panel pixel, in the painter's colours.
QImage panelImage(const core::CScreenData &screen, CTagPainter &painter);
// Black and white at `scale` image pixels per panel pixel (1 to 16).
QImage bareScreenImage(const core::CScreenData &screen, CTagPainter &painter, int scale);
// The panel picture at `scale` with the display drawn into its screen window.
QImage editorScreenImage(const core::CScreenData &screen, CTagPainter &painter,
                         const QImage &panelPicture, const core::CAppConfig &config, int scale);

} // namespace ui
