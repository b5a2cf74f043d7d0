#pragma once

// One preview cell of the image library: a library bitmap fitted into the cell with its number
// within the category beneath, and a selection mark. The cell only reports clicks and double
// clicks by its index; what they mean is the dialog's business.

#include <QImage>
#include <QWidget>

namespace ui {

class CImageLibCell : public QWidget
{
    Q_OBJECT
public:
    CImageLibCell(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // An empty `label` hides the cell's content (beyond the category's last number).
    void setContent(const QImage &image, const QString &label, bool selected);
    const QString &label() const { return m_label; }
    bool isSelected() const { return m_selected; }
    bool hasImage() const { return !m_image.isNull(); }

    QSize sizeHint() const override;

signals:
    void clicked(int index);
    void doubleClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index;
    QImage m_image;
    QString m_label;
    bool m_selected = false;
};

} // namespace ui
