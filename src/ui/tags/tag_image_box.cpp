#include "ui/tags/tag_image_box.h"

#include "core/model/img_res_mgr.h"

#include "util/mono_bitmap.h"

#include <QImage>
#include <QPixmap>

namespace ui {

namespace {

const QSize kPictureSize(64, 40);

QImage toImage(const util::CMonoBitmap &bitmap)
{
    QImage img(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = bitmap.pixel(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255); // ink is lit
    }
    return img;
}

} // namespace

CTagImageBox::CTagImageBox(const QString &name, const core::CImgResMgr *images, QWidget *parent)
    : QPushButton(parent)
    , m_name(name)
    , m_images(images)
{
    setIconSize(kPictureSize);
    setFixedSize(kPictureSize + QSize(12, 12));
    connect(this, &QPushButton::clicked, this, [this] { emit pickRequested(m_number); });
    setImage(m_number);
}

void CTagImageBox::setImage(std::uint16_t number)
{
    m_number = number;
    const core::CImgResMgr *images = m_images;
    const util::CMonoBitmap *bitmap = images ? images->Bitmap(number) : nullptr;
    if (bitmap && !bitmap->isNull()) {
        // Pixels stay sharp: the panel's images are a few dozen pixels wide at most.
        const QImage img = toImage(*bitmap).scaled(kPictureSize, Qt::KeepAspectRatio,
                                                   Qt::FastTransformation);
        setIcon(QPixmap::fromImage(img));
        setText(QString());
    } else {
        setIcon(QIcon());
        setText(QStringLiteral("No\nBmp"));
    }
    const QString numberText = tr("이미지 번호: %1").arg(number);
    setToolTip(numberText);
    setAccessibleName(QStringLiteral("%1 - %2").arg(m_name, numberText));
}

} // namespace ui
