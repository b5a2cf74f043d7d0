#include "ui/dialogs/image_preview_button.h"

#include "ui/dialogs/mono_image.h"

#include "util/mono_bitmap.h"

#include <QPixmap>

namespace ui {

namespace {
const QSize kPictureBox(96, 48);
constexpr std::uint16_t kNoImage = 65535;
} // namespace

CImagePreviewButton::CImagePreviewButton(QWidget *parent)
    : QToolButton(parent)
{
    setIconSize(kPictureBox);
    setFocusPolicy(Qt::StrongFocus);
    setImage(nullptr, kNoImage);
}

void CImagePreviewButton::setImage(const util::CMonoBitmap *bitmap, std::uint16_t number)
{
    m_number = number;
    updateLook(bitmap);
}

void CImagePreviewButton::setLabel(const QString &label)
{
    m_label = label;
    updateNames();
}

void CImagePreviewButton::setColors(QColor lit, QColor dark)
{
    m_lit = lit;
    m_dark = dark;
}

void CImagePreviewButton::updateLook(const util::CMonoBitmap *bitmap)
{
    m_hasImage = bitmap && !bitmap->isNull();
    if (m_hasImage) {
        const QImage image = monoBitmapImage(*bitmap, m_lit, m_dark);
        // QIcon never enlarges a pixmap: the picture is made at the size it is shown.
        const QSize size = fittedImageSize(image.size(), kPictureBox);
        setIcon(QIcon(QPixmap::fromImage(
                image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation))));
        setText(QString::number(m_number));
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        setIcon(QIcon());
        setText(QStringLiteral("No\nBmp"));
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    updateNames();
    updateGeometry();
}

void CImagePreviewButton::updateNames()
{
    const QString number
            = m_number == kNoImage ? QStringLiteral("No Bmp") : QString::number(m_number);
    setToolTip(number);
    setAccessibleName(m_label.isEmpty() ? number : m_label + QLatin1Char(' ') + number);
}

QSize CImagePreviewButton::sizeHint() const
{
    // The same size with or without a picture, so the dialog does not jump.
    const QSize hint = QToolButton::sizeHint();
    return hint.expandedTo(kPictureBox + QSize(12, fontMetrics().height() + 12));
}

} // namespace ui
