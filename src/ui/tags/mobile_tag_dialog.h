#pragma once

// The moving tag's property dialog ("이동 속성") over core::CMobileTagDlg.

#include "ui/tags/image_tag_dialog.h"

#include "core/presenters/mobile_tag_dlg.h"

class QCheckBox;
class QSpinBox;

namespace ui {

class CPointGroupBox;
class CTagImageBox;

class CMobileTagDialog : public CImageTagDialog
{
    Q_OBJECT
public:
    CMobileTagDialog(const TagDialogContext &context, core::CMobileTag &tag,
                     QWidget *parent = nullptr);

    core::CMobileTagDlg &presenter() override { return m_presenter; }

    CPointGroupBox *xPointBox() const { return m_xPoint; }
    CPointGroupBox *yPointBox() const { return m_yPoint; }
    QSpinBox *widthEdit() const { return m_width; }
    QSpinBox *heightEdit() const { return m_height; }
    QCheckBox *moveXBox() const { return m_moveX; }
    QCheckBox *moveYBox() const { return m_moveY; }
    QCheckBox *borderBox() const { return m_border; }
    CTagImageBox *imageBox() const { return m_image; }

protected:
    void refresh() override;

private:
    QLayout *buildPoints();
    QLayout *buildRange();

    core::CMobileTagDlg m_presenter;
    CPointGroupBox *m_xPoint = nullptr;
    CPointGroupBox *m_yPoint = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_moveX = nullptr;
    QCheckBox *m_moveY = nullptr;
    QCheckBox *m_border = nullptr;
    CTagImageBox *m_image = nullptr;
};

} // namespace ui
