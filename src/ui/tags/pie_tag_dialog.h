#pragma once

// The pie graph's property dialog ("파이 그래프 속성") over core::CPieTagDlg.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/pie_tag_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace ui {

class CPointGroupBox;
class CRangeSpinBox;

class CPieTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    CPieTagDialog(const TagDialogContext &context, core::CPieTag &tag, QWidget *parent = nullptr);

    core::CPieTagDlg &presenter() override { return m_presenter; }

    QComboBox *startAngleBox() const { return m_start; }
    QComboBox *sweepBox() const { return m_sweep; }
    // kPieFilled or kPieNeedle.
    QAbstractButton *modeButton(int mode) const;
    CRangeSpinBox *radiusEdit() const { return m_radius; }
    QCheckBox *inverseBox() const { return m_inverse; }
    CPointGroupBox *pointBox() const { return m_point; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    QWidget *buildPie();

    core::CPieTagDlg m_presenter;
    QComboBox *m_start = nullptr;
    QComboBox *m_sweep = nullptr;
    QButtonGroup *m_mode = nullptr;
    CRangeSpinBox *m_radius = nullptr;
    QCheckBox *m_inverse = nullptr;
    CPointGroupBox *m_point = nullptr;
};

} // namespace ui
