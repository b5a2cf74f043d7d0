#include "ui/tags/pie_tag_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/range_spin_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

CPieTagDialog::CPieTagDialog(const TagDialogContext &context, core::CPieTag &tag, QWidget *parent)
    : CTagPropDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("파이 그래프 속성"));
    m_point = pointGroupBox(tr("디바이스"), m_presenter.Point(),
                            CPointGroupBox::Format | CPointGroupBox::Limits);
    setColumns({buildPie(), positionBox()}, m_point);
    refreshView();
}

QWidget *CPieTagDialog::buildPie()
{
    using P = core::CPieTagDlg;
    auto *box = new QGroupBox(tr("그래프"), this);
    auto *form = new QFormLayout(box);
    m_start = new QComboBox(box);
    m_sweep = new QComboBox(box);
    for (int i = 0; i < P::kAngleCount; ++i) {
        m_start->addItem(QString::number(P::StartAngleAt(i)));
        m_sweep->addItem(QString::number(P::SweepAt(i)));
    }
    form->addRow(tr("시작 각도(&S):"), m_start);
    form->addRow(tr("동작 각도(&E):"), m_sweep);

    m_mode = new QButtonGroup(this);
    auto *modeRow = new QHBoxLayout;
    const std::pair<QString, int> modes[]
            = {{tr("채우기(&F)"), core::kPieFilled}, {tr("바늘(&L)"), core::kPieNeedle}};
    for (const auto &[text, id] : modes) {
        auto *radio = new QRadioButton(text, box);
        m_mode->addButton(radio, id);
        modeRow->addWidget(radio);
    }
    modeRow->addStretch();
    form->addRow(tr("모양:"), modeRow);

    m_radius = rangeEntry(form, tr("반지름(&R):"), P::kRadiusRange, m_presenter, &P::SetRadius);
    m_inverse = new QCheckBox(tr("색 반전(&I)"), box);
    form->addRow(m_inverse);

    auto &p = m_presenter;
    connect(m_start, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { edit([&] { p.SetStartAngle(P::StartAngleAt(i)); }); });
    connect(m_sweep, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { edit([&] { p.SetSweep(P::SweepAt(i)); }); });
    connect(m_mode, &QButtonGroup::idClicked, this,
            [this, &p](int id) { edit([&] { p.SetMode(std::uint16_t(id)); }); });
    connect(m_inverse, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetInverse(on); }); });
    return box;
}

void CPieTagDialog::refresh()
{
    const core::CPieTag &tag = m_presenter.Pie();
    refreshPosition();
    m_start->setCurrentIndex(core::CPieTagDlg::StartAngleIndex(tag.StartAngle()));
    m_sweep->setCurrentIndex(core::CPieTagDlg::SweepIndex(tag.Sweep()));
    if (auto *b = m_mode->button(tag.Mode()))
        b->setChecked(true);
    m_radius->setValue(tag.Radius());
    m_inverse->setChecked(tag.IsInverse());
    m_point->refresh();
}

bool CPieTagDialog::acceptChanges()
{
    return commitEntries({m_radius}) && m_presenter.Accept();
}

QAbstractButton *CPieTagDialog::modeButton(int mode) const
{
    return m_mode->button(mode);
}

} // namespace ui
