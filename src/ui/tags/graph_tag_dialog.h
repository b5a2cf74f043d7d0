#pragma once

// The property dialog of the bar graph ("막대 그래프 속성") and of the trend graph ("트렌드
// 그래프 속성") over core::CGraphTagDlg; the tag's kind chooses the rows.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/graph_tag_dlg.h"

class QCheckBox;
class QComboBox;

namespace ui {

class CPointGroupBox;
class CRangeSpinBox;

class CGraphTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    CGraphTagDialog(const TagDialogContext &context, core::CGraphTag &tag,
                    QWidget *parent = nullptr);

    core::CGraphTagDlg &presenter() override { return m_presenter; }

    CRangeSpinBox *widthEdit() const { return m_width; }
    CRangeSpinBox *heightEdit() const { return m_height; }
    // Bar only (null for a trend graph).
    QComboBox *directionBox() const { return m_direction; }
    // Trend only (null for a bar graph).
    CRangeSpinBox *samplingCountEdit() const { return m_count; }
    CRangeSpinBox *samplingTimeEdit() const { return m_time; }
    QCheckBox *borderBox() const { return m_border; }
    CPointGroupBox *pointBox() const { return m_point; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    QWidget *buildGraph();

    core::CGraphTagDlg m_presenter;
    CRangeSpinBox *m_width = nullptr;
    CRangeSpinBox *m_height = nullptr;
    QComboBox *m_direction = nullptr;
    CRangeSpinBox *m_count = nullptr;
    CRangeSpinBox *m_time = nullptr;
    QCheckBox *m_border = nullptr;
    CPointGroupBox *m_point = nullptr;
};

} // namespace ui
