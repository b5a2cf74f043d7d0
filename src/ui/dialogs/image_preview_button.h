#pragma once

// A button showing one image of the project (an OFF, ON or picture box of a tag dialog): the
// bitmap fitted into the button with its number beneath, or "No\nBmp" when the project has no
// bitmap for the number. Clicking it is the caller's cue to open the image library.

#include <QColor>
#include <QToolButton>

#include <cstdint>

namespace util {
class CMonoBitmap;
}

namespace ui {

class CImagePreviewButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CImagePreviewButton(QWidget *parent = nullptr);

    // `bitmap` may be null (no image); it is copied into the button's picture at once.
    void setImage(const util::CMonoBitmap *bitmap, std::uint16_t number);
    std::uint16_t number() const { return m_number; }
    bool hasImage() const { return m_hasImage; }
    // What the button stands for ("OFF", "ON", ...): the start of its accessible name.
    void setLabel(const QString &label);
    // The panel's colours for lit and dark pixels (black on white without); they apply from
    // the next setImage().
    void setColors(QColor lit, QColor dark);

    QSize sizeHint() const override;

private:
    void updateLook(const util::CMonoBitmap *bitmap);
    void updateNames();

    std::uint16_t m_number = 65535;
    bool m_hasImage = false;
    QString m_label;
    QColor m_lit = Qt::white;
    QColor m_dark = Qt::black;
};

} // namespace ui
