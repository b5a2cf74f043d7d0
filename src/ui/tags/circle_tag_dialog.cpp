#include "ui/tags/circle_tag_dialog.h"

#include "ui/tags/range_spin_box.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

CCircleTagDialog::CCircleTagDialog(const TagDialogContext &context, core::CCircleTag &tag,
                                   QWidget *parent)
    : CShapeTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("원 속성"));
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *size = new QGroupBox(tr("크기"), this);
    auto *sizeForm = new QFormLayout(size);
    m_radius = new CRangeSpinBox(core::CCircleTagDlg::kRadiusRange, size);
    sizeForm->addRow(tr("반지름(&R):"), m_radius);
    left->addWidget(size);
    auto *place = new QGroupBox(tr("위치"), this);
    addPositionRows(new QFormLayout(place));
    left->addWidget(place);
    left->addStretch();
    columns->addLayout(left);
    auto *style = new QGroupBox(tr("모양"), this);
    addStyleRows(new QFormLayout(style));
    columns->addWidget(style, 0, Qt::AlignTop);
    setContent(columns);

    m_radius->setTake([this](int value) {
        bool taken = true;
        edit([&] { taken = m_presenter.SetRadius(value); });
        return taken;
    });
    refreshView();
}

void CCircleTagDialog::refresh()
{
    refreshPosition();
    m_radius->setValue(m_presenter.Circle().Radius());
    refreshStyle();
}

bool CCircleTagDialog::acceptChanges()
{
    return commitEntries({m_radius}) && m_presenter.Ok();
}

} // namespace ui
