#pragma once

// Monochrome bitmaps of the library and the project as Qt images, for the image previews.

#include <QColor>
#include <QImage>
#include <QSize>

namespace util {
class CMonoBitmap;
}

namespace ui {

// As the panel shows it: black pixels (the ink of a library file) are lit and become `lit`,
// white ones `dark` (white on black by default).
QImage monoBitmapImage(const util::CMonoBitmap &bitmap, QColor lit = Qt::white,
                       QColor dark = Qt::black);

// The size `image` is drawn at inside `box`: whole multiples when it is smaller, so that the
// pixels stay square and sharp; shrunk to fit, keeping its proportions, when it is larger.
QSize fittedImageSize(QSize image, QSize box);

} // namespace ui
