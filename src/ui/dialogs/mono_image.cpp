#include "ui/dialogs/mono_image.h"

#include "util/mono_bitmap.h"

#include <algorithm>

namespace ui {

QImage monoBitmapImage(const util::CMonoBitmap &bitmap, QColor lit, QColor dark)
{
    if (bitmap.isNull())
        return {};
    QImage img(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    const QRgb on = lit.rgb();
    const QRgb off = dark.rgb();
    for (int y = 0; y < bitmap.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = bitmap.pixel(x, y) ? off : on;
    }
    return img;
}

QSize fittedImageSize(QSize image, QSize box)
{
    if (image.isEmpty() || box.isEmpty())
        return {};
    const int factor = std::min(box.width() / image.width(), box.height() / image.height());
    if (factor >= 1)
        return image * factor;
    return image.scaled(box, Qt::KeepAspectRatio);
}

} // namespace ui
