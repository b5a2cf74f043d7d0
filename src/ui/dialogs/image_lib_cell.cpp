#include "ui/dialogs/image_lib_cell.h"

#include "ui/dialogs/mono_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

namespace {
constexpr int kMargin = 4;
constexpr int kMark = 3; // width of the selection frame
} // namespace

CImageLibCell::CImageLibCell(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CImageLibCell::setContent(const QImage &image, const QString &label, bool selected)
{
    m_image = image;
    m_label = label;
    m_selected = selected;
    setAccessibleName(label);
    setEnabled(!label.isEmpty());
    update();
}

QSize CImageLibCell::sizeHint() const
{
    // 111 x 106 dialog units of the original layout, near enough.
    return {120, 110};
}

void CImageLibCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    if (m_label.isEmpty())
        return;
    const int textHeight = fontMetrics().height() + 2;
    const QRect picture = rect().adjusted(kMargin + kMark, kMargin + kMark, -kMargin - kMark,
                                          -kMargin - kMark - textHeight);
    if (!m_image.isNull()) {
        QRect target(QPoint(), fittedImageSize(m_image.size(), picture.size()));
        target.moveCenter(picture.center());
        p.drawImage(target, m_image);
        p.setPen(pal.color(QPalette::Mid));
        p.drawRect(target.adjusted(-1, -1, 0, 0));
    }
    const QRect text(picture.left(), picture.bottom() + 1, picture.width(), textHeight);
    if (m_selected) {
        p.fillRect(text, pal.color(QPalette::Highlight));
        p.setPen(QPen(pal.color(QPalette::Highlight), kMark));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
        p.setPen(pal.color(QPalette::HighlightedText));
    } else {
        p.setPen(pal.color(QPalette::Text));
    }
    p.drawText(text, Qt::AlignCenter, m_label);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(kMark + 1, kMark + 1, -kMark - 1, -kMark - 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void CImageLibCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_index);
    QWidget::mousePressEvent(event);
}

void CImageLibCell::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_index);
}

void CImageLibCell::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space) {
        emit clicked(m_index);
        return;
    }
    // Arrows, Delete and Enter are the dialog's.
    QWidget::keyPressEvent(event);
}

} // namespace ui
