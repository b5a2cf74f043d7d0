#pragma once

// The panel's display on screen: the 192 x 64 picture of the running panel at an integer zoom in
// the panel's colours. Presses, releases and double clicks are reported in panel pixels, so the
// window can hand them to the touch buttons and the numeric entry.

#include "util/mono_bitmap.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace ui {

class CPanelDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit CPanelDisplay(QWidget *parent = nullptr);

    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    // Dark pixels in `back`, lit ones in `lit`.
    void setColors(const QColor &back, const QColor &lit);
    // The display's picture (a clear bit is a lit pixel).
    void show(const util::CMonoBitmap &bitmap);
    const QImage &image() const { return m_image; }

    QSize sizeHint() const override;

signals:
    void pressed(int x, int y);
    void released();
    void doubleClicked(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPoint panelPoint(const QPointF &widgetPoint) const;

    int m_zoom = 3;
    QImage m_image; // indexed: 0 dark, 1 lit
};

} // namespace ui
