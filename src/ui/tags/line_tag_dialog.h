#pragma once

// The line's property dialog ("선 속성") over core::CLineTagDlg.

#include "ui/tags/shape_tag_dialog.h"

#include "core/presenters/line_tag_dlg.h"

namespace ui {

class CRangeSpinBox;

class CLineTagDialog : public CShapeTagDialog
{
    Q_OBJECT
public:
    CLineTagDialog(const TagDialogContext &context, core::CLineTag &tag, QWidget *parent = nullptr);

    core::CLineTagDlg &presenter() override { return m_presenter; }

    CRangeSpinBox *startXEdit() const { return m_startX; }
    CRangeSpinBox *startYEdit() const { return m_startY; }
    CRangeSpinBox *endXEdit() const { return m_endX; }
    CRangeSpinBox *endYEdit() const { return m_endY; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    core::CLineTagDlg m_presenter;
    CRangeSpinBox *m_startX = nullptr;
    CRangeSpinBox *m_startY = nullptr;
    CRangeSpinBox *m_endX = nullptr;
    CRangeSpinBox *m_endY = nullptr;
};

} // namespace ui
