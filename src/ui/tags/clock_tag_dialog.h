#pragma once

// The clock's property dialog ("시계 속성") over core::CClockTagDlg.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/clock_tag_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace ui {

class CClockTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    CClockTagDialog(const TagDialogContext &context, core::CClockTag &tag,
                    QWidget *parent = nullptr);

    core::CClockTagDlg &presenter() override { return m_presenter; }

    QComboBox *formatBox() const { return m_format; }
    QCheckBox *inverseBox() const { return m_inverse; }
    QCheckBox *borderBox() const { return m_border; }
    // 0 normal, 1 large, 2 small.
    QAbstractButton *fontButton(int font) const;

protected:
    void refresh() override;

private:
    core::CClockTagDlg m_presenter;
    QComboBox *m_format = nullptr;
    QCheckBox *m_inverse = nullptr;
    QCheckBox *m_border = nullptr;
    QButtonGroup *m_font = nullptr;
};

} // namespace ui
