#include "ui/tags/graph_tag_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/range_spin_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

CGraphTagDialog::CGraphTagDialog(const TagDialogContext &context, core::CGraphTag &tag,
                                 QWidget *parent)
    : CTagPropDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(m_presenter.IsTrend() ? tr("트렌드 그래프 속성") : tr("막대 그래프 속성"));
    m_point = pointGroupBox(tr("디바이스"), m_presenter.Point(),
                            CPointGroupBox::Format | CPointGroupBox::Limits);
    setColumns({buildGraph(), positionBox()}, m_point);
    refreshView();
}

QWidget *CGraphTagDialog::buildGraph()
{
    using P = core::CGraphTagDlg;
    auto *box = new QGroupBox(tr("그래프"), this);
    auto *form = new QFormLayout(box);
    if (m_presenter.IsTrend()) {
        m_count = rangeEntry(form, tr("샘플링 갯수(&C):"), P::kSamplingCountRange, m_presenter,
                             &P::SetSamplingCount);
        m_time = rangeEntry(form, tr("샘플링 시간(초)(&T):"), P::kSamplingTimeRange, m_presenter,
                            &P::SetSamplingTime);
    }
    m_width = rangeEntry(form, tr("가로길이(&W):"), P::kWidthRange, m_presenter, &P::SetWidth);
    m_height = rangeEntry(form, tr("세로길이(&H):"), P::kHeightRange, m_presenter, &P::SetHeight);
    if (m_presenter.IsTrend()) {
        m_border = new QCheckBox(tr("테두리(&B)"), box);
        form->addRow(m_border);
        connect(m_border, &QCheckBox::toggled, this,
                [this](bool on) { edit([&] { m_presenter.SetBorder(on); }); });
    } else {
        m_direction = new QComboBox(box);
        m_direction->addItems({tr("상(▲)"), tr("하(▼)"), tr("좌(◀)"), tr("우(▶)")});
        form->addRow(tr("표시방향(&D):"), m_direction);
        connect(m_direction, &QComboBox::currentIndexChanged, this,
                [this](int i) { edit([&] { m_presenter.SetDirection(std::uint16_t(i)); }); });
    }
    return box;
}

void CGraphTagDialog::refresh()
{
    const core::CGraphTag &tag = m_presenter.Graph();
    refreshPosition();
    m_width->setValue(tag.Width());
    m_height->setValue(tag.Height());
    if (m_direction)
        m_direction->setCurrentIndex(tag.Direction() <= core::kGraphRight ? tag.Direction() : -1);
    if (m_count) {
        m_count->setValue(tag.SamplingCount());
        m_time->setValue(tag.SamplingTime());
        m_border->setChecked(tag.HasBorder());
    }
    m_point->refresh();
}

bool CGraphTagDialog::acceptChanges()
{
    return commitEntries({m_count, m_time, m_width, m_height}) && m_presenter.Accept();
}

} // namespace ui
