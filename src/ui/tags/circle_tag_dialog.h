#pragma once

// The circle's property dialog ("원 속성") over core::CCircleTagDlg.

#include "ui/tags/shape_tag_dialog.h"

#include "core/presenters/circle_tag_dlg.h"

namespace ui {

class CRangeSpinBox;

class CCircleTagDialog : public CShapeTagDialog
{
    Q_OBJECT
public:
    CCircleTagDialog(const TagDialogContext &context, core::CCircleTag &tag,
                     QWidget *parent = nullptr);

    core::CCircleTagDlg &presenter() override { return m_presenter; }

    CRangeSpinBox *radiusEdit() const { return m_radius; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    core::CCircleTagDlg m_presenter;
    CRangeSpinBox *m_radius = nullptr;
};

} // namespace ui
