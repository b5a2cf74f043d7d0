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
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *size = new QGroupBox(tr("크기"), this);
    auto *sizeForm = new QFormLayout(size);
    m_width = new CRangeSpinBox(P::kWidthRange, size);
    m_height = new CRangeSpinBox(P::kHeightRange, size);
    sizeForm->addRow(tr("가로길이(&W):"), m_width);
    sizeForm->addRow(tr("세로길이(&H):"), m_height);
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

    auto &p = m_presenter;
    m_width->setTake([this, &p](int value) {
        bool taken = true;
        edit([&] { taken = p.SetWidth(value); });
        return taken;
    });
    m_height->setTake([this, &p](int value) {
        bool taken = true;
        edit([&] { taken = p.SetHeight(value); });
        return taken;
    });
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
    return commitEntries({m_width, m_height}) && m_presenter.Ok();
}

} // namespace ui
