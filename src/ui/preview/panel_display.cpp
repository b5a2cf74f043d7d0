#include "ui/preview/panel_display.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {
constexpr int kWidth = 192;
constexpr int kHeight = 64;
} // namespace

CPanelDisplay::CPanelDisplay(QWidget *parent)
    : QWidget(parent)
    , m_image(kWidth, kHeight, QImage::Format_Indexed8)
{
    setColors(QColor(38, 73, 9), QColor(Qt::white));
    m_image.fill(0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("패널 화면"));
}

void CPanelDisplay::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, 1, 8);
    updateGeometry();
    update();
}

void CPanelDisplay::setColors(const QColor &back, const QColor &lit)
{
    m_image.setColorTable({back.rgb(), lit.rgb()});
    update();
}

void CPanelDisplay::show(const util::CMonoBitmap &bitmap)
{
    for (int y = 0; y < kHeight; ++y) {
        uchar *line = m_image.scanLine(y);
        for (int x = 0; x < kWidth; ++x)
            line[x] = bitmap.pixel(x, y) ? 0 : 1;
    }
    update();
}

QSize CPanelDisplay::sizeHint() const
{
    return QSize(kWidth, kHeight) * m_zoom;
}

void CPanelDisplay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(QRect(QPoint(0, 0), QSize(kWidth, kHeight) * m_zoom), m_image);
}

QPoint CPanelDisplay::panelPoint(const QPointF &widgetPoint) const
{
    return QPoint(std::clamp(int(widgetPoint.x()) / m_zoom, 0, kWidth - 1),
                  std::clamp(int(widgetPoint.y()) / m_zoom, 0, kHeight - 1));
}

void CPanelDisplay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = panelPoint(event->position());
    emit pressed(at.x(), at.y());
}

void CPanelDisplay::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit released();
}

void CPanelDisplay::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = panelPoint(event->position());
    emit doubleClicked(at.x(), at.y());
}

} // namespace ui
