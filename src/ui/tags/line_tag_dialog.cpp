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
    m_startX = addEntry(pointForm, tr("시작점 &X:"), P::kXRange, &P::SetStartX);
    m_startY = addEntry(pointForm, tr("시작점 &Y:"), P::kYRange, &P::SetStartY);
    m_endX = addEntry(pointForm, tr("끝점 X(&E):"), P::kXRange, &P::SetEndX);
    m_endY = addEntry(pointForm, tr("끝점 Y(&D):"), P::kYRange, &P::SetEndY);
    columns->addWidget(points, 0, Qt::AlignTop);
    auto *style = new QGroupBox(tr("모양"), this);
    addStyleRows(new QFormLayout(style));
    columns->addWidget(style, 0, Qt::AlignTop);
    setContent(columns);
    refreshView();
}

CRangeSpinBox *CLineTagDialog::addEntry(QFormLayout *form, const QString &label,
                                        core::EntryRange range,
                                        bool (core::CLineTagDlg::*set)(std::int64_t))
{
    auto *entry = new CRangeSpinBox(range, this);
    form->addRow(label, entry);
    entry->setTake([this, set](int value) {
        bool taken = true;
        edit([&] { taken = (m_presenter.*set)(value); });
        return taken;
    });
    return entry;
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
    return commitEntries({m_startX, m_startY, m_endX, m_endY}) && m_presenter.Ok();
}

} // namespace ui
