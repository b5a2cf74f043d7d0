#pragma once

// The grid dialog ("눈금 및 맞추기"), a view over the core's grid presenter: snap, grid shown, the
// pitch list, the style and the defaults button. The frame writes the result to [GridSnap] and
// hands it to the canvases.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/grid_snap_dlg.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace ui {

class CGridSnapDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    explicit CGridSnapDialog(const core::GridSettings &grid, QWidget *parent = nullptr);
    core::GridSettings result() const { return m_presenter.Result(); }

    QCheckBox *snapCheck() const { return m_snap; }
    QCheckBox *showCheck() const { return m_show; }
    QComboBox *pitchCombo() const { return m_pitch; }
    QComboBox *styleCombo() const { return m_style; }
    QPushButton *defaultsButton() const { return m_defaults; }

protected:
    void refresh() override;

private:
    core::CGridSnapDlg m_presenter;
    QCheckBox *m_snap = nullptr;
    QCheckBox *m_show = nullptr;
    QComboBox *m_pitch = nullptr;
    QComboBox *m_style = nullptr;
    QPushButton *m_defaults = nullptr;
};

} // namespace ui
