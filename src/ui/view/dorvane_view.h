#pragma once

// The editor view of one screen, the content of its MDI child: the panel picture at the chosen
// zoom with the screen's canvas placed over the picture's display rectangle.

#include <QScrollArea>

#include <cstdint>

namespace core {
class CAppConfig;
class CDorvaneDoc;
class CScreenData;
class CTag;
} // namespace core

namespace ui {

class CPanelPicture;
class CScreenCanvas;
class IUndoSink;

class CDorvaneView : public QScrollArea
{
    Q_OBJECT
public:
    // Zoom indexes: 200 %, 100 %, 50 %, fit.
    enum Zoom : int { Zoom200 = 0, Zoom100 = 1, Zoom50 = 2, ZoomFit = 3 };
    static int zoomPercent(int index);

    CDorvaneView(core::CDorvaneDoc &doc, core::CScreenData &screen, const core::CAppConfig &config,
                 const QImage &picture, IUndoSink *undo, QWidget *parent = nullptr);
    ~CDorvaneView() override;

    core::CScreenData &screen() const { return m_screen; }
    std::uint16_t screenNumber() const;
    CScreenCanvas *canvas() const { return m_canvas; }
    CPanelPicture *picture() const { return m_picture; }

    int zoom() const { return m_zoom; }
    // Stores the zoom, resizes the picture (and the MDI child for the fixed zooms) and places
    // the canvas again.
    void setZoom(int index);
    // The viewport size that shows the whole picture at a fixed zoom.
    QSize scaledPictureSize() const;
    // Scale factors of the picture (device pixels per picture pixel).
    double fx() const;
    double fy() const;
    void setActive(bool active);
    void refresh();

signals:
    // The user zoomed with Ctrl and the wheel: the zoom box follows.
    void zoomStepped(int index);
    void functionKeyClicked(int key);
    void editScreenProperties();
    void editTagProperties(core::CTag *tag);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Ctrl and the wheel zoom in and out, one fixed zoom a notch, as drawing editors do.
    void wheelEvent(QWheelEvent *event) override;

private:
    void placeCanvas();
    QString describeKey(int key) const;

    core::CDorvaneDoc &m_doc;
    core::CScreenData &m_screen;
    const core::CAppConfig &m_config;
    QSize m_pictureSize;
    CPanelPicture *m_picture = nullptr;
    CScreenCanvas *m_canvas = nullptr;
    int m_zoom = Zoom100;
    int m_wheel = 0; // eighths of a degree not yet turned into a step
};

} // namespace ui
