#pragma once

// The grid dialog: snap, grid shown, spacing and style. The frame writes the result to
// [GridSnap] and hands it to the canvases.

#include "core/app/app_config.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace ui {

class CGridSnapDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CGridSnapDialog(const core::GridSettings &grid, QWidget *parent = nullptr);
    core::GridSettings result() const;

    QCheckBox *snapCheck() const { return m_snap; }
    QCheckBox *showCheck() const { return m_show; }
    QSpinBox *xSpin() const { return m_x; }
    QSpinBox *ySpin() const { return m_y; }
    QComboBox *styleCombo() const { return m_style; }

private:
    QCheckBox *m_snap = nullptr;
    QCheckBox *m_show = nullptr;
    QSpinBox *m_x = nullptr;
    QSpinBox *m_y = nullptr;
    QComboBox *m_style = nullptr;
};

} // namespace ui
