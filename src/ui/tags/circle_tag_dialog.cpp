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
    auto *size = new QGroupBox(tr("크기"), this);
    auto *sizeForm = new QFormLayout(size);
    m_radius = rangeEntry(sizeForm, tr("반지름(&R):"), core::CCircleTagDlg::kRadiusRange,
                          m_presenter, &core::CCircleTagDlg::SetRadius);
    auto *style = new QGroupBox(tr("모양"), this);
    addStyleRows(new QFormLayout(style));
    setColumns({size, positionBox()}, style);

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
    return commitEntries({m_radius}) && m_presenter.Accept();
}

} // namespace ui
