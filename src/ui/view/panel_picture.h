#pragma once

// The panel's front as the view shows it: the picture scaled by the zoom (x and y separately in
// the fit zoom), the eight function-key areas with their hover and press edges and tool tips, and
// the display rectangle where the view places its canvas.

#include "core/app/app_config.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace ui {

class CPanelPicture : public QWidget
{
    Q_OBJECT
public:
    CPanelPicture(const QImage &picture, const core::CAppConfig &config, QWidget *parent = nullptr);

    // Device pixels per picture pixel.
    void setScale(double fx, double fy);
    double fx() const { return m_fx; }
    double fy() const { return m_fy; }
    QSize scaledSize() const;
    // A picture rectangle in device pixels (corners rounded half away from zero).
    QRect toDevice(const core::Rect &r) const;
    QRect screenRect() const { return toDevice(m_config.screenRect()); }
    // Index 0..7 of the key at a device point, -1 for none.
    int keyAt(const QPoint &device) const;
    int hoverKey() const { return m_hover; }
    int pressedKey() const { return m_pressed; }
    int pressState() const { return m_pressState; }
    void setPressedKey(int key) { m_pressed = key; }
    // Tool tip text of a key (key 0..7); the view supplies it from the screen's key records.
    void setKeyDescriber(std::function<QString(int)> describer)
    {
        m_describe = std::move(describer);
    }

signals:
    void keyClicked(int key);
    void keyContextMenu(int key, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;

private:
    void setHover(int key);
    void drawEdge(QPainter &p, const QRect &r, bool sunken) const;

    QImage m_picture;
    const core::CAppConfig &m_config;
    double m_fx = 1.0;
    double m_fy = 1.0;
    int m_hover = -1;
    int m_pressed = -1;
    int m_pressState = 0;
    std::function<QString(int)> m_describe;
};

} // namespace ui
