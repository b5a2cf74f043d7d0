#include "ui/tags/line_tag_dialog.h"

#include "ui/tags/range_spin_box.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace ui {

CLineTagDialog::CLineTagDialog(const TagDialogContext &context, core::CLineTag &tag,
                               QWidget *parent)
    : CShapeTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    using P = core::CLineTagDlg;
    setWindowTitle(tr("선 속성"));
    auto *columns = new QHBoxLayout;
    auto *points = new QGroupBox(tr("위치"), this);
    auto *pointForm = new QFormLayout(points);
    m_startX = rangeEntry(pointForm, tr("시작점 &X:"), P::kXRange, m_presenter, &P::SetStartX);
    m_startY = rangeEntry(pointForm, tr("시작점 &Y:"), P::kYRange, m_presenter, &P::SetStartY);
    m_endX = rangeEntry(pointForm, tr("끝점 X(&E):"), P::kXRange, m_presenter, &P::SetEndX);
    m_endY = rangeEntry(pointForm, tr("끝점 Y(&D):"), P::kYRange, m_presenter, &P::SetEndY);
    columns->addWidget(points, 0, Qt::AlignTop);
    auto *style = new QGroupBox(tr("모양"), this);
    addStyleRows(new QFormLayout(style));
    columns->addWidget(style, 0, Qt::AlignTop);
    setContent(columns);
    refreshView();
}

void CLineTagDialog::refresh()
{
    const core::CLineTag &line = m_presenter.Line();
    m_startX->setValue(line.Start().x);
    m_startY->setValue(line.Start().y);
    m_endX->setValue(line.End().x);
    m_endY->setValue(line.End().y);
    refreshStyle();
}

bool CLineTagDialog::acceptChanges()
{
    return commitEntries({m_startX, m_startY, m_endX, m_endY}) && m_presenter.Accept();
}

} // namespace ui
