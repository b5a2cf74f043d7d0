#include "ui/view/panel_picture.h"

#include "core/editor/canvas_mapping.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace ui {

using core::editor::nearest;

CPanelPicture::CPanelPicture(const QImage &picture, const core::CAppConfig &config, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
    , m_config(config)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPanelPicture::setScale(double fx, double fy)
{
    m_fx = fx;
    m_fy = fy;
    update();
}

QSize CPanelPicture::scaledSize() const
{
    return {nearest(m_picture.width() * m_fx), nearest(m_picture.height() * m_fy)};
}

QRect CPanelPicture::toDevice(const core::Rect &r) const
{
    const int l = nearest(r.left * m_fx), t = nearest(r.top * m_fy);
    const int ri = nearest(r.right * m_fx), b = nearest(r.bottom * m_fy);
    return QRect(QPoint(l, t), QPoint(ri - 1, b - 1));
}

int CPanelPicture::keyAt(const QPoint &device) const
{
    for (int k = 0; k < 8; ++k)
        if (toDevice(m_config.functionKeyRect(k + 1)).contains(device))
            return k;
    return -1;
}

void CPanelPicture::drawEdge(QPainter &p, const QRect &r, bool sunken) const
{
    const QColor light(255, 255, 255), dark(64, 64, 64);
    p.setPen(sunken ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(sunken ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void CPanelPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(QRect(QPoint(0, 0), scaledSize()), m_picture);
    for (int k = 0; k < 8; ++k) {
        const QRect r = toDevice(m_config.functionKeyRect(k + 1));
        if (k == m_pressed)
            drawEdge(p, r, m_pressState != 1);
        else if (k == m_hover)
            drawEdge(p, r, false);
    }
}

void CPanelPicture::setHover(int key)
{
    if (key < 0 || key > 7)
        key = -1;
    if (key == m_hover)
        return;
    m_hover = key;
    update();
}

void CPanelPicture::mouseMoveEvent(QMouseEvent *event)
{
    const int key = keyAt(event->position().toPoint());
    if (key < 0)
        m_pressed = -1;
    setHover(key);
}

void CPanelPicture::leaveEvent(QEvent *)
{
    setHover(-1);
}

void CPanelPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = keyAt(event->position().toPoint());
    m_pressState = m_pressed >= 0 ? 2 : 0;
    update();
}

void CPanelPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int key = keyAt(event->position().toPoint());
    if (key < 0) {
        m_pressed = -1;
        update();
        return;
    }
    m_pressState = 1;
    update();
    if (key == m_pressed)
        emit keyClicked(key);
}

void CPanelPicture::contextMenuEvent(QContextMenuEvent *event)
{
    m_pressed = keyAt(event->pos());
    update();
    if (m_pressed >= 0)
        emit keyContextMenu(m_pressed, event->globalPos());
}

bool CPanelPicture::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int key = keyAt(help->pos());
        if (key >= 0 && m_describe)
            QToolTip::showText(help->globalPos(), m_describe(key).left(80), this,
                               toDevice(m_config.functionKeyRect(key + 1)));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace ui
