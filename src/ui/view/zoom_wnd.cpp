#include "ui/view/zoom_wnd.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace ui {

CZoomWnd::CZoomWnd(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("확대상자"));
    resize(144, 163);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

QRect CZoomWnd::sourceRect(const QPoint &cursor, const QSize &client, const QRect &screen)
{
    const QSize size(client.width() / kMagnification, client.height() / kMagnification);
    QRect r(QPoint(cursor.x() - size.width() / 2, cursor.y() - size.height() / 2), size);
    if (r.right() > screen.right())
        r.moveRight(screen.right());
    if (r.bottom() > screen.bottom())
        r.moveBottom(screen.bottom());
    if (r.left() < screen.left())
        r.moveLeft(screen.left());
    if (r.top() < screen.top())
        r.moveTop(screen.top());
    return r;
}

void CZoomWnd::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QPoint cursor = QCursor::pos();
    if (QScreen *screen = QGuiApplication::screenAt(cursor)) {
        const QRect source = sourceRect(cursor, size(), screen->geometry());
        const QPixmap shot = screen->grabWindow(0, source.x() - screen->geometry().x(),
                                                source.y() - screen->geometry().y(), source.width(),
                                                source.height());
        p.drawPixmap(rect(), shot);
    }
    if (m_grid) {
        p.setPen(QColor(128, 128, 128));
        for (int x = 0; x < width(); x += kMagnification)
            p.drawLine(x, 0, x, height());
        for (int y = 0; y < height(); y += kMagnification)
            p.drawLine(0, y, width(), y);
    }
    const QPoint c = rect().center();
    p.fillRect(QRect(c.x() - 19, c.y() - 1, 38, 3), Qt::black);
    p.fillRect(QRect(c.x() - 1, c.y() - 19, 3, 38), Qt::black);
    p.fillRect(QRect(c.x() - 18, c.y(), 36, 1), Qt::white);
    p.fillRect(QRect(c.x(), c.y() - 18, 1, 36), Qt::white);
}

void CZoomWnd::showEvent(QShowEvent *event)
{
    m_timer.start();
    QWidget::showEvent(event);
    emit shownChanged(true);
}

void CZoomWnd::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
    emit shownChanged(false);
}

} // namespace ui
