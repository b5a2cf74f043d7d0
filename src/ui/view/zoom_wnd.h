#pragma once

// The magnifier ("확대상자"): a small top-most window that shows the screen around the mouse
// four times enlarged, with a centre cross, repainted every 50 ms while it is shown. Closing it
// only hides it.

#include <QTimer>
#include <QWidget>

namespace ui {

class CZoomWnd : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMagnification = 4;

    explicit CZoomWnd(QWidget *parent = nullptr);
    void setPixelGrid(bool on) { m_grid = on; }
    bool pixelGrid() const { return m_grid; }
    // The screen rectangle shown for a cursor position: the client size divided by the
    // magnification, centred on the cursor and kept inside `screen`.
    static QRect sourceRect(const QPoint &cursor, const QSize &client, const QRect &screen);

signals:
    void shownChanged(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer m_timer;
    bool m_grid = false;
};

} // namespace ui
