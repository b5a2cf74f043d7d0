#include "ui/print/screen_picture.h"

#include "ui/canvas/tag_painter.h"

#include "core/app/app_config.h"
#include "core/editor/z_order.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/runtime/screen_renderer.h"

#include <QPainter>

#include <algorithm>

namespace ui {

namespace {
constexpr int kPanelWidth = 192;
constexpr int kPanelHeight = 64;
} // namespace

QImage panelImage(const core::CScreenData &screen, CTagPainter &painter)
{
    QImage image(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    image.fill(painter.back());
    QPainter p(&image);
    if (screen.IsBackgroundOn()) {
        const core::CImgResMgr *images = screen.Resources().images;
        if (const util::CMonoBitmap *bmp
            = images ? images->Bitmap(screen.BackgroundImage()) : nullptr)
            p.drawImage(0, 0, painter.image(*bmp, false));
    }
    std::vector<core::CTag *> order;
    for (const auto &tag : screen.Tags())
        order.push_back(tag.get());
    // In the order the file keeps, as the canvas draws them.
    for (const core::CTag *tag : core::editor::keptOrder(std::move(order)))
        painter.draw(p, *tag, true);
    return image;
}

QImage blackAndWhite(const QImage &image, const QColor &back)
{
    const QImage colour = image.convertToFormat(QImage::Format_RGB32);
    const QRgb background = back.rgb() & 0xFFFFFF;
    QImage mono(colour.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x)
            mono.setPixel(x, y, (colour.pixel(x, y) & 0xFFFFFF) == background ? 0 : 1);
    return mono;
}

QImage monoImage(const util::CMonoBitmap &display)
{
    QImage mono(display.width(), display.height(), QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const std::vector<std::uint8_t> &bits = display.bits();
    const auto stride = std::size_t(display.stride());
    // A clear bitmap bit is a lit pixel: index 1, black.
    for (int y = 0; y < display.height(); ++y) {
        uchar *line = mono.scanLine(y);
        for (std::size_t i = 0; i < stride; ++i)
            line[i] = uchar(~bits[std::size_t(y) * stride + i]);
    }
    return mono;
}

QImage bareScreenImage(const core::CScreenRenderer &renderer, const core::CScreenData &screen,
                       int scale)
{
    scale = std::clamp(scale, 1, 16);
    util::CMonoBitmap display;
    renderer.Render(screen, core::CRestingPanelState(), display);
    const QImage mono = monoImage(display);
    if (scale == 1)
        return mono;
    return mono.scaled(kPanelWidth * scale, kPanelHeight * scale, Qt::IgnoreAspectRatio,
                       Qt::FastTransformation);
}

QImage editorScreenImage(const core::CScreenData &screen, CTagPainter &painter,
                         const QImage &panelPicture, const core::CAppConfig &config, int scale)
{
    scale = std::clamp(scale, 1, 16);
    const QImage display = panelImage(screen, painter);
    if (panelPicture.isNull())
        return display.scaled(display.size() * scale, Qt::IgnoreAspectRatio,
                              Qt::FastTransformation);
    QImage out = panelPicture.convertToFormat(QImage::Format_RGB32)
                         .scaled(panelPicture.size() * scale, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
    const core::Rect &r = config.screenRect();
    QPainter p(&out);
    p.drawImage(QRect(r.left * scale, r.top * scale, (r.right - r.left) * scale,
                      (r.bottom - r.top) * scale),
                display);
    return out;
}

} // namespace ui
