#pragma once

// What the property dialogs of the drawn shapes share (line, rectangle, circle): the line kind
// list with a sample of each kind, the thickness list and, for the closed shapes, the fill box.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/shape_tag_dlg.h"

class QCheckBox;
class QComboBox;
class QFormLayout;

namespace ui {

class CShapeTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    core::CShapeTagDlg &presenter() override = 0;

    QComboBox *lineTypeBox() const { return m_lineType; }
    QComboBox *thicknessBox() const { return m_thickness; }
    // Null for the line.
    QCheckBox *fillBox() const { return m_fill; }

protected:
    using CTagPropDialog::CTagPropDialog;

    // The 종류 and 두께 rows, and 채우기 where the shape has it.
    void addStyleRows(QFormLayout *form);
    void refreshStyle();

private:
    QComboBox *m_lineType = nullptr;
    QComboBox *m_thickness = nullptr;
    QCheckBox *m_fill = nullptr;
};

} // namespace ui
