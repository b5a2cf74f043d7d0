#include "ui/view/dorvane_view.h"

#include "ui/common/qt_prompt.h"
#include "ui/view/panel_picture.h"

#include "ui/canvas/screen_canvas.h"

#include "core/app/app_config.h"
#include "core/functions/func_key_record.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/function_env.h"

#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace ui {

int CDorvaneView::zoomPercent(int index)
{
    static constexpr int percents[] = {200, 100, 50, 0};
    return index >= 0 && index < 4 ? percents[index] : 100;
}

CDorvaneView::CDorvaneView(core::CDorvaneDoc &doc, core::CScreenData &screen,
                           const core::CAppConfig &config, const QImage &picture, IUndoSink *undo,
                           QWidget *parent)
    : QScrollArea(parent)
    , m_doc(doc)
    , m_screen(screen)
    , m_config(config)
    , m_pictureSize(picture.size())
{
    setObjectName(QStringLiteral("dorvaneView"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    m_picture = new CPanelPicture(picture, config, this);
    m_picture->setKeyDescriber([this](int key) { return describeKey(key); });
    connect(m_picture, &CPanelPicture::keyClicked, this, &CDorvaneView::functionKeyClicked);
    setWidget(m_picture);
    m_canvas = new CScreenCanvas(doc, screen, config, undo, m_picture);
    connect(m_canvas, &CScreenCanvas::editScreenProperties, this,
            &CDorvaneView::editScreenProperties);
    connect(m_canvas, &CScreenCanvas::editTagProperties, this, &CDorvaneView::editTagProperties);
    m_picture->resize(picture.size());
    setZoom(Zoom100);
}

CDorvaneView::~CDorvaneView() = default;

std::uint16_t CDorvaneView::screenNumber() const
{
    return m_screen.Number();
}

double CDorvaneView::fx() const
{
    return m_picture->fx();
}

double CDorvaneView::fy() const
{
    return m_picture->fy();
}

QSize CDorvaneView::scaledPictureSize() const
{
    return m_picture->scaledSize();
}

void CDorvaneView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    constexpr int kNotch = 120;
    m_wheel += event->angleDelta().y();
    if (std::abs(m_wheel) < kNotch)
        return;
    const bool in = m_wheel > 0;
    m_wheel = 0;
    // The fitted view steps from 100 %; the indexes run from 200 % (0) to 50 % (2).
    const int from = m_zoom == ZoomFit ? int(Zoom100) : m_zoom;
    const int to = std::clamp(from + (in ? -1 : 1), int(Zoom200), int(Zoom50));
    if (to == m_zoom)
        return;
    setZoom(to);
    emit zoomStepped(to);
}

void CDorvaneView::setZoom(int index)
{
    m_zoom = index >= 0 && index <= ZoomFit ? index : Zoom100;
    if (m_zoom == ZoomFit) {
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        placeCanvas();
        return;
    }
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const double f = zoomPercent(m_zoom) * 0.01;
    m_picture->setScale(f, f);
    m_picture->resize(m_picture->scaledSize());
    // The MDI child takes the size that shows the whole picture, keeping its top-left corner.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        QStyleOptionTitleBar option;
        option.initFrom(sub);
        const int frame
                = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, &option, sub);
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, sub);
        sub->resize(m_picture->scaledSize() + QSize(2 * frame, title + frame));
    }
    placeCanvas();
}

void CDorvaneView::placeCanvas()
{
    if (m_zoom == ZoomFit) {
        // Each axis on its own: the picture fills the client area whatever its proportions.
        const QSize client = viewport()->size();
        m_picture->setScale(double(client.width()) / m_pictureSize.width(),
                            double(client.height()) / m_pictureSize.height());
    }
    const QRect r = m_picture->screenRect();
    const core::Rect &s = m_config.screenRect();
    m_canvas->setGeometry(r);
    // The display's 192 x 64 panel pixels fill the screen rectangle.
    m_canvas->setZoomFactor(m_picture->fx() * s.width() / 192.0,
                            m_picture->fy() * s.height() / 64.0);
    m_picture->update();
}

void CDorvaneView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (m_zoom == ZoomFit)
        placeCanvas();
}

void CDorvaneView::setActive(bool active)
{
    m_canvas->setActive(active);
}

void CDorvaneView::refresh()
{
    m_canvas->refresh();
    m_picture->update();
}

QString CDorvaneView::describeKey(int key) const
{
    CQtPrompt prompt;
    const core::FunctionEnv env{m_doc.Slots(), prompt, util::kLangKorean};
    const core::CFuncKeyRecord record(m_screen.FunctionKey(std::size_t(key)));
    return QString::fromStdString(core::CDlgFuncKey::Describe(env, record));
}

} // namespace ui
