#pragma once

// Monochrome bitmaps of the library and the project as Qt images, for the image previews.

#include <QColor>
#include <QImage>
#include <QSize>

namespace util {
class CMonoBitmap;
}

namespace ui {

// White pixels become `lit`, black ones `dark` (black on white by default, as in the file).
QImage monoBitmapImage(const util::CMonoBitmap &bitmap, QColor lit = Qt::white,
                       QColor dark = Qt::black);

// The size `image` is drawn at inside `box`: whole multiples when it is smaller, so that the
// pixels stay square and sharp; shrunk to fit, keeping its proportions, when it is larger.
QSize fittedImageSize(QSize image, QSize box);

} // namespace ui
