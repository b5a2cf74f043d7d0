#include "ui/tags/mobile_tag_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/tag_image_box.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

CMobileTagDialog::CMobileTagDialog(const TagDialogContext &context, core::CMobileTag &tag,
                                   QWidget *parent)
    : CImageTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("이동 속성"));
    auto *columns = new QHBoxLayout;
    columns->addLayout(buildPoints());
    columns->addLayout(buildRange());
    setContent(columns);
    refreshView();
}

QLayout *CMobileTagDialog::buildPoints()
{
    const int parts = CPointGroupBox::Format | CPointGroupBox::Limits;
    m_xPoint = pointGroupBox(tr("X 방향"), m_presenter.XPoint(), parts);
    m_yPoint = pointGroupBox(tr("Y 방향"), m_presenter.YPoint(), parts);
    m_yPoint->dropMnemonics();
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_xPoint);
    layout->addWidget(m_yPoint);
    return layout;
}

QLayout *CMobileTagDialog::buildRange()
{
    auto *range = new QGroupBox(tr("이동 범위"), this);
    auto *form = new QFormLayout(range);
    // Entries are taken when finished, so that typing "12" does not try 1 first.
    m_width = new QSpinBox(range);
    m_width->setRange(0, core::kPanelWidth);
    m_width->setKeyboardTracking(false);
    m_height = new QSpinBox(range);
    m_height->setRange(0, core::kPanelHeight);
    m_height->setKeyboardTracking(false);
    form->addRow(tr("폭(&W):"), m_width);
    form->addRow(tr("높이(&H):"), m_height);
    m_moveX = makeCheck(tr("x축(&F)"), [this](bool on) { m_presenter.SetMoveX(on); });
    m_moveY = makeCheck(tr("y축(&U)"), [this](bool on) { m_presenter.SetMoveY(on); });
    auto *axes = new QHBoxLayout;
    axes->addWidget(m_moveX);
    axes->addWidget(m_moveY);
    axes->addStretch();
    form->addRow(axes);
    m_border = makeCheck(tr("테두리 표시(&B)"), [this](bool on) { m_presenter.SetBorder(on); });
    form->addRow(m_border);

    auto *look = new QGroupBox(tr("이미지"), this);
    auto *lookForm = new QFormLayout(look);
    m_image = makeImageBox(tr("이미지"),
                           [this](std::uint32_t n) { return m_presenter.SetImage(n); });
    lookForm->addRow(tr("이미지(&P):"), m_image);
    auto *place = positionBox();

    connect(m_width, &QSpinBox::valueChanged, this,
            [this](int v) { edit([&] { m_presenter.SetWidth(v); }); });
    connect(m_height, &QSpinBox::valueChanged, this,
            [this](int v) { edit([&] { m_presenter.SetHeight(v); }); });

    auto *layout = new QVBoxLayout;
    layout->addWidget(range);
    layout->addWidget(look);
    layout->addWidget(place);
    layout->addStretch();
    return layout;
}

void CMobileTagDialog::refresh()
{
    const core::CMobileTagDlg &p = m_presenter;
    refreshPosition();
    m_xPoint->refresh();
    m_yPoint->refresh();
    m_width->setValue(p.Width());
    m_height->setValue(p.Height());
    m_moveX->setChecked(p.MovesX());
    m_moveY->setChecked(p.MovesY());
    m_border->setChecked(p.HasBorder());
    m_image->setImage(p.Image());
}

} // namespace ui
