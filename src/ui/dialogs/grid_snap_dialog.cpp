#include "ui/dialogs/grid_snap_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace ui {

CGridSnapDialog::CGridSnapDialog(const core::GridSettings &grid, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("그리드 및 스냅"));
    m_snap = new QCheckBox(tr("그리드에 맞춤"), this);
    m_snap->setChecked(grid.snap);
    m_show = new QCheckBox(tr("그리드 보기"), this);
    m_show->setChecked(grid.showGrid);
    // Spacing in panel pixels: at least 1, at most the display's size.
    m_x = new QSpinBox(this);
    m_x->setRange(1, 192);
    m_x->setValue(grid.xDot);
    m_y = new QSpinBox(this);
    m_y->setRange(1, 64);
    m_y->setValue(grid.yDot);
    m_style = new QComboBox(this);
    m_style->addItems({tr("점"), tr("실선"), tr("점선")});
    m_style->setCurrentIndex(grid.style >= 0 && grid.style <= 2 ? grid.style : 0);
    auto *form = new QFormLayout;
    form->addRow(m_snap);
    form->addRow(m_show);
    form->addRow(tr("가로 간격:"), m_x);
    form->addRow(tr("세로 간격:"), m_y);
    form->addRow(tr("모양:"), m_style);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

core::GridSettings CGridSnapDialog::result() const
{
    core::GridSettings g;
    g.snap = m_snap->isChecked();
    g.showGrid = m_show->isChecked();
    g.xDot = m_x->value();
    g.yDot = m_y->value();
    g.style = m_style->currentIndex();
    return g;
}

} // namespace ui
