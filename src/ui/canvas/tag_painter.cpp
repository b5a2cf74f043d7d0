#include "ui/canvas/tag_painter.h"

#include "core/app/app_config.h"
#include "core/model/img_res_mgr.h"
#include "core/tags/bitmap_tag.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/circle_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/line_style.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"

#include "util/mono_bitmap.h"

#include <QPainter>

namespace ui {

namespace {

QRect qrect(const core::CRect &r)
{
    const core::CRect n = r.Normalized();
    return QRect(n.left, n.top, n.Width(), n.Height());
}

Qt::PenStyle penStyle(std::uint16_t lineType)
{
    switch (lineType) {
    case core::kLineDotted:
        return Qt::DotLine;
    case core::kLineDashed:
        return Qt::DashLine;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

QColor fromColorRef(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

CTagPainter::CTagPainter(const core::CAppConfig &config)
    : m_config(config)
    , m_text(config)
    , m_back(fromColorRef(config.colors().back))
    , m_fill(fromColorRef(config.colors().fill))
    , m_outline(fromColorRef(config.colors().outline))
{ }

void CTagPainter::clearImages()
{
    m_images.clear();
}

void CTagPainter::clearCache()
{
    m_images.clear();
    m_circles.clear();
    m_text.clearCache();
    m_back = fromColorRef(m_config.colors().back);
    m_fill = fromColorRef(m_config.colors().fill);
    m_outline = fromColorRef(m_config.colors().outline);
}

void CTagPainter::draw(QPainter &p, const core::CTag &tag, bool printing)
{
    if (auto *t = dynamic_cast<const core::CDigitTag *>(&tag))
        return drawTextTag(p, tag, t->Sample(), t->Font(), t->IsInverse(), t->HasBorder(),
                           printing);
    if (auto *t = dynamic_cast<const core::CTextTag *>(&tag))
        return drawTextTag(p, tag, t->Text(), t->Font(), t->IsInverse(), t->HasBorder(), printing);
    if (auto *t = dynamic_cast<const core::CMessageTag *>(&tag))
        return drawTextTag(p, tag, t->ShownText().substr(0, 24), t->Font(), t->IsInverse(),
                           t->HasBorder(), printing);
    if (auto *t = dynamic_cast<const core::CClockTag *>(&tag))
        return drawTextTag(p, tag, t->SampleText(), t->Font(), t->IsInverse(), t->HasBorder(),
                           printing);
    if (auto *t = dynamic_cast<const core::CButtonTag *>(&tag))
        return drawImage(p, tag.Resources(), qrect(tag.Rect()), t->OffImage(),
                         t->DisplayState() != 0, t->CaptionFont());
    if (auto *t = dynamic_cast<const core::CLampTag *>(&tag))
        return drawImage(p, tag.Resources(), qrect(tag.Rect()), t->OffImage(),
                         t->DisplayState() != 0, t->CaptionFont());
    if (auto *t = dynamic_cast<const core::CBitmapTag *>(&tag))
        return drawImage(p, tag.Resources(), qrect(tag.Rect()), t->Image(), t->IsInverse(),
                         t->CaptionFont());
    if (auto *t = dynamic_cast<const core::CMotorTag *>(&tag))
        return drawImage(p, tag.Resources(), qrect(tag.Rect()), t->Images()[0], t->IsInverse(),
                         t->CaptionFont());
    if (auto *t = dynamic_cast<const core::CMobileTag *>(&tag)) {
        // The image at its home position inside the range it moves over.
        const QRect r = qrect(tag.Rect());
        const core::CRect full = tag.Rect();
        const QRect img(full.left, full.top, r.width() - t->Width() - (t->HasBorder() ? 2 : 0),
                        r.height() - t->Height() - (t->HasBorder() ? 2 : 0));
        drawImage(p, tag.Resources(), img, t->Image(), false, t->CaptionFont());
        if (t->HasBorder()) {
            p.setPen(m_fill);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
        } else if (!printing) {
            drawOutline(p, r);
        }
        return;
    }
    if (auto *t = dynamic_cast<const core::CBmpTextTag *>(&tag))
        return drawBmpText(p, *t);
    if (dynamic_cast<const core::CGraphTag *>(&tag))
        return drawGraph(p, tag, printing);
    if (dynamic_cast<const core::CPieTag *>(&tag))
        return drawPie(p, tag);
    if (tag.Kind() == core::kTagRect || tag.Kind() == core::kTagLine
        || tag.Kind() == core::kTagCircle)
        return drawShape(p, tag);
    // A kind without a painter yet.
    drawOutline(p, qrect(tag.Rect()));
}

void CTagPainter::drawOutline(QPainter &p, const QRect &rect)
{
    // One panel pixel outside the rectangle, as a thin frame.
    p.setBrush(Qt::NoBrush);
    QPen pen(m_outline);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawRect(QRectF(rect).adjusted(-0.5, -0.5, 0.5, 0.5));
}

void CTagPainter::drawTextTag(QPainter &p, const core::CTag &tag, const std::string &text,
                              std::uint16_t font, bool inverse, bool border, bool printing)
{
    const QColor bg = inverse ? m_fill : m_back;
    const QColor fg = inverse ? m_back : m_fill;
    const QRect r = qrect(tag.Rect());
    p.fillRect(r, bg);
    QRect textRect = r;
    if (border) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), fg);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), fg);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), fg);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), fg);
        textRect.adjust(1, 1, -1, -1);
    }
    p.save();
    p.setClipRect(textRect, Qt::IntersectClip);
    m_text.draw(p, textRect.left(), textRect.top(), text, font, tag.Resources().panelLangId, fg,
                bg);
    p.restore();
    if (!printing && !border)
        drawOutline(p, r);
}

QImage CTagPainter::monoImage(const util::CMonoBitmap &bitmap, bool inverse)
{
    const QString key = QString::number(quintptr(&bitmap)) + QLatin1String(inverse ? "i" : "n");
    const auto it = m_images.constFind(key);
    if (it != m_images.constEnd())
        return *it;
    QImage img(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    const QRgb lit = (inverse ? m_back : m_fill).rgb();
    const QRgb dark = (inverse ? m_fill : m_back).rgb();
    for (int y = 0; y < bitmap.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            line[x] = bitmap.pixel(x, y) ? dark : lit; // black is ink: lit on the panel
    }
    m_images.insert(key, img);
    return img;
}

void CTagPainter::drawImage(QPainter &p, const core::TagResources &project, const QRect &rect,
                            std::uint16_t imageId, bool inverse, const util::CLogFont &caption)
{
    const core::CImgResMgr *images = project.images;
    const util::CMonoBitmap *bitmap = images ? images->Bitmap(imageId) : nullptr;
    if (bitmap && !bitmap->isNull()) {
        p.drawImage(rect, monoImage(*bitmap, inverse));
        return;
    }
    const QColor bg = inverse ? m_fill : m_back;
    const QColor fg = inverse ? m_back : m_fill;
    p.fillRect(rect, bg);
    // The stored height -8 is points: 8 x 96 / 72 pixels on a 96-dpi screen.
    QFont f(familyForFace(caption.faceName()));
    f.setPixelSize(std::max(1, std::abs(caption.height()) * 96 / 72));
    f.setBold(caption.weight() >= 600);
    f.setItalic(caption.italic());
    p.setFont(f);
    p.setPen(fg);
    p.drawText(rect, Qt::AlignCenter, QStringLiteral("No\nBmp"));
}

void CTagPainter::drawBmpText(QPainter &p, const core::CBmpTextTag &tag)
{
    const QRect r = qrect(tag.Rect());
    const auto &font = tag.WindowsFont().bytes();
    const QString key = QString::number(quintptr(&tag)) + QLatin1Char('/')
            + QString::fromStdString(tag.Text()) + QLatin1Char('/')
            + QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(font.data()),
                                             qsizetype(font.size()))
                                          .toHex())
            + QStringLiteral("/%1,%2,%3,%4/%5/%6")
                      .arg(r.x())
                      .arg(r.y())
                      .arg(r.width())
                      .arg(r.height())
                      .arg(tag.HasBorder())
                      .arg(tag.IsInverse());
    auto it = m_images.constFind(key);
    if (it == m_images.constEnd()) {
        // Rendering goes through FreeType; keep the result until the tag changes.
        const std::optional<util::CMonoBitmap> bits = tag.RenderTextImage();
        QImage img;
        if (bits && !bits->isNull()) {
            img = QImage(bits->width(), bits->height(), QImage::Format_RGB32);
            const QRgb lit = (tag.IsInverse() ? m_back : m_fill).rgb();
            const QRgb dark = (tag.IsInverse() ? m_fill : m_back).rgb();
            for (int y = 0; y < bits->height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
                for (int x = 0; x < bits->width(); ++x)
                    line[x] = bits->pixel(x, y) ? dark : lit;
            }
        }
        it = m_images.insert(key, img);
    }
    if (it->isNull())
        p.fillRect(r, tag.IsInverse() ? m_fill : m_back);
    else
        p.drawImage(QPoint(r.x(), r.y()), *it);
    drawOutline(p, r);
}

void CTagPainter::drawGraph(QPainter &p, const core::CTag &tag, bool printing)
{
    const auto &g = static_cast<const core::CGraphTag &>(tag);
    const core::CRect rc = tag.Rect().Normalized();
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, W = rc.Width(), H = rc.Height();
    const auto line = [&](int x1, int y1, int x2, int y2) {
        p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    };
    QPen pen(m_fill);
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (!g.IsTrend()) {
        const int dir = g.Direction();
        if (dir <= 1) {
            line(L + 2, T, L + 2, B - 1);
            line(R - 1, T, R - 1, B - 1);
            line(L + 2, dir == 0 ? B - 1 : T, R - 1, dir == 0 ? B - 1 : T);
            for (int k : {0, 2, 4})
                line(L, T + (H - 1) * k / 4, L + 1, T + (H - 1) * k / 4);
            for (int k : {1, 3})
                line(L + 1, T + (H - 1) * k / 4, L + 1, T + (H - 1) * k / 4);
        } else {
            line(L, T + 2, R - 1, T + 2);
            line(L, B - 1, R - 1, B - 1);
            line(dir == 3 ? L : R - 1, T + 2, dir == 3 ? L : R - 1, B - 1);
            for (int k : {0, 2, 4})
                line(L + (W - 1) * k / 4, T, L + (W - 1) * k / 4, T + 1);
            for (int k : {1, 3})
                line(L + (W - 1) * k / 4, T + 1, L + (W - 1) * k / 4, T + 1);
        }
        QRect half;
        switch (dir) {
        case 0:
            half = QRect(L + 3, T + H / 2, W - 5, H / 2 - 1);
            break;
        case 1:
            half = QRect(L + 3, T, W - 5, H / 2 - 1);
            break;
        case 2:
            half = QRect(L + W / 2, T + 1, W / 2 - 1, H - 5);
            break;
        default:
            half = QRect(L, T + 1, W / 2 - 1, H - 5);
            break;
        }
        p.fillRect(half, m_fill);
        if (!printing)
            drawOutline(p, qrect(rc));
        return;
    }
    line(L + 2, T, L + 2, T + H - 3);
    line(L + 2, T + H - 3, L + W - 1, T + H - 3);
    for (int k = 0; k <= 4; ++k)
        line(L, T + (H - 3) * k / 4, L + 1, T + (H - 3) * k / 4);
    static const int tenths[6] = {6, 1, 9, 7, 8, 7};
    QPolygon curve;
    for (int k = 0; k <= 5; ++k)
        curve << QPoint(L + 2 + k * (W - 3) / 5, T + (H - 3) * tenths[k] / 10);
    p.save();
    p.translate(0.5, 0.5);
    p.drawPolyline(curve);
    p.restore();
    if (g.HasBorder()) {
        line(L, T, R - 1, T);
        line(R - 1, T, R - 1, B - 1);
    } else if (!printing) {
        drawOutline(p, qrect(rc));
    }
}

void CTagPainter::drawPie(QPainter &p, const core::CTag &tag)
{
    const auto &pie = static_cast<const core::CPieTag &>(tag);
    const QColor bg = pie.IsInverse() ? m_fill : m_back;
    const QColor fg = pie.IsInverse() ? m_back : m_fill;
    const int r = pie.Radius();
    const QRectF box(pie.X(), pie.Y(), 2 * r - 1, 2 * r - 1);
    p.save();
    p.setClipRect(qrect(tag.Rect()), Qt::IntersectClip);
    p.fillRect(qrect(tag.Rect()), bg);
    // Angles run clockwise from the west point; Qt's run counter-clockwise from the east.
    const int start = (180 - int(pie.StartAngle())) * 16;
    const int span = -int(pie.Sweep()) * 16;
    p.setPen(fg);
    if (pie.Mode() == 0) {
        p.setBrush(fg);
        p.drawPie(box, start, span);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawArc(box, start, span);
        const double a = (180.0 - pie.StartAngle()) * 3.14159265358979 / 180.0;
        const QPointF c = box.center();
        p.drawLine(c, c + QPointF(std::cos(a) * (r - 1), -std::sin(a) * (r - 1)));
    }
    p.restore();
}

void CTagPainter::drawShape(QPainter &p, const core::CTag &tag)
{
    std::uint16_t type = 0, thickness = 1;
    bool filled = false;
    if (auto *t = dynamic_cast<const core::CLineTag *>(&tag)) {
        type = t->LineType();
        thickness = t->Thickness();
    } else if (auto *t = dynamic_cast<const core::CRectTag *>(&tag)) {
        type = t->LineType();
        thickness = t->Thickness();
        filled = t->IsFilled();
    } else if (auto *t = dynamic_cast<const core::CCircleTag *>(&tag)) {
        type = t->LineType();
        thickness = t->Thickness();
        filled = t->IsFilled();
    }
    QPen pen(m_fill);
    pen.setStyle(penStyle(type));
    pen.setWidth(std::max<int>(1, thickness));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(filled ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    const QRectF r = QRectF(qrect(tag.Rect())).adjusted(0.5, 0.5, -0.5, -0.5);
    if (tag.Kind() == core::kTagCircle)
        return drawCircle(p, qrect(tag.Rect()), pen, filled);
    if (auto *t = dynamic_cast<const core::CLineTag *>(&tag))
        p.drawLine(QPointF(t->Start().x + 0.5, t->Start().y + 0.5),
                   QPointF(t->End().x + 0.5, t->End().y + 0.5));
    else
        p.drawRect(r);
}

void CTagPainter::drawCircle(QPainter &p, const QRect &rect, const QPen &pen, bool filled)
{
    // Curves are costly to stroke at every zoom; the circle is drawn once in panel pixels and
    // stretched like the panel's own pixels.
    const quint64 key = (quint64(quint32(rect.width())) << 40)
            | (quint64(quint16(rect.height())) << 24) | (quint64(pen.style()) << 16)
            | (quint64(quint8(pen.width())) << 8) | quint64(filled);
    auto it = m_circles.constFind(key);
    if (it == m_circles.constEnd()) {
        QImage img(std::max(1, rect.width()), std::max(1, rect.height()),
                   QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter cp(&img);
        cp.setPen(pen);
        cp.setBrush(filled ? QBrush(m_fill) : QBrush(Qt::NoBrush));
        cp.drawEllipse(QRectF(0, 0, rect.width(), rect.height()).adjusted(0.5, 0.5, -0.5, -0.5));
        cp.end();
        it = m_circles.insert(key, img);
    }
    p.drawImage(rect.topLeft(), *it);
}

} // namespace ui
