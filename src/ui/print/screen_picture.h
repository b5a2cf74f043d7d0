#pragma once

// Pictures of one screen for printing and export: either the display as the canvas's print
// rendering draws it (no grid, outlines or selection marks) in the editor's colours inside the
// panel picture, or bare: the display as the panel shows the screen at rest (every device value 0,
// the clock at the editor's sample time), 192 x 64 panel pixels, lit pixels black on white, each
// panel pixel an N x N square.

#include <QColor>
#include <QImage>

namespace core {
class CAppConfig;
class CScreenData;
class CScreenRenderer;
} // namespace core

namespace util {
class CMonoBitmap;
} // namespace util

namespace ui {

class CTagPainter;

// Every pixel of the background colour white, every other black.
QImage blackAndWhite(const QImage &image, const QColor &back);
// The display at one image pixel per panel pixel, in the painter's colours.
QImage panelImage(const core::CScreenData &screen, CTagPainter &painter);
// The renderer's display as a 1-bit image: colour index 1 (black) for a lit pixel, 0 (white)
// for a dark one.
QImage monoImage(const util::CMonoBitmap &display);
// The screen at rest in black and white at `scale` image pixels per panel pixel (1 to 16).
QImage bareScreenImage(const core::CScreenRenderer &renderer, const core::CScreenData &screen,
                       int scale);
// The panel picture at `scale` with the display drawn into its screen window.
QImage editorScreenImage(const core::CScreenData &screen, CTagPainter &painter,
                         const QImage &panelPicture, const core::CAppConfig &config, int scale);

} // namespace ui
