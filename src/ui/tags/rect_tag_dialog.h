#pragma once

// The rectangle's property dialog ("사각형 속성") over core::CRectTagDlg.

#include "ui/tags/shape_tag_dialog.h"

#include "core/presenters/rect_tag_dlg.h"

namespace ui {

class CRangeSpinBox;

class CRectTagDialog : public CShapeTagDialog
{
    Q_OBJECT
public:
    CRectTagDialog(const TagDialogContext &context, core::CRectTag &tag, QWidget *parent = nullptr);

    core::CRectTagDlg &presenter() override { return m_presenter; }

    CRangeSpinBox *widthEdit() const { return m_width; }
    CRangeSpinBox *heightEdit() const { return m_height; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    core::CRectTagDlg m_presenter;
    CRangeSpinBox *m_width = nullptr;
    CRangeSpinBox *m_height = nullptr;
};

} // namespace ui
