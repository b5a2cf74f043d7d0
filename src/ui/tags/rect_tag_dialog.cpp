#include "ui/tags/rect_tag_dialog.h"

#include "ui/tags/range_spin_box.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

CRectTagDialog::CRectTagDialog(const TagDialogContext &context, core::CRectTag &tag,
                               QWidget *parent)
    : CShapeTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    using P = core::CRectTagDlg;
    setWindowTitle(tr("사각형 속성"));
    auto *size = new QGroupBox(tr("크기"), this);
    auto *sizeForm = new QFormLayout(size);
    m_width = rangeEntry(sizeForm, tr("가로길이(&W):"), P::kWidthRange, m_presenter, &P::SetWidth);
    m_height = rangeEntry(sizeForm, tr("세로길이(&H):"), P::kHeightRange, m_presenter,
                          &P::SetHeight);
    auto *style = new QGroupBox(tr("모양"), this);
    addStyleRows(new QFormLayout(style));
    setColumns({size, positionBox()}, style);

    refreshView();
}

void CRectTagDialog::refresh()
{
    refreshPosition();
    m_width->setValue(m_presenter.Rect().Width());
    m_height->setValue(m_presenter.Rect().Height());
    refreshStyle();
}

bool CRectTagDialog::acceptChanges()
{
    return commitEntries({m_width, m_height}) && m_presenter.Accept();
}

} // namespace ui
