#include "ui/dialogs/grid_snap_dialog.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

CGridSnapDialog::CGridSnapDialog(const core::GridSettings &grid, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(grid)
{
    setWindowTitle(tr("눈금 및 맞추기"));
    m_snap = new QCheckBox(tr("태그를 눈금에 맞춰 이동(&G)"), this);
    m_show = new QCheckBox(tr("화면에 눈금 표시(&D)"), this);
    m_pitch = new QComboBox(this);
    for (const std::string &pitch : core::CGridSnapDlg::Pitches())
        m_pitch->addItem(QString::fromStdString(pitch));
    m_style = new QComboBox(this);
    for (int i = 0; i < 3; ++i)
        m_style->addItem(messageString(util::msg::kGridStyleFirst + i));
    m_defaults = buttonBox()->addButton(tr("기본값으로 설정(&F)"), QDialogButtonBox::ResetRole);

    connect(m_snap, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetSnap(on); }); });
    connect(m_show, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetShowGrid(on); }); });
    connect(m_pitch, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetPitch(i); }); });
    connect(m_style, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetStyle(i); }); });
    connect(m_defaults, &QPushButton::clicked, this,
            [this] { forward([&] { m_presenter.Defaults(); }); });

    auto *form = new QFormLayout;
    form->addRow(m_snap);
    form->addRow(m_show);
    auto *pitchLabel = new QLabel(tr("눈금 간격(&S):"), this);
    pitchLabel->setBuddy(m_pitch);
    form->addRow(pitchLabel, m_pitch);
    auto *styleLabel = new QLabel(tr("눈금 모양(&T):"), this);
    styleLabel->setBuddy(m_style);
    form->addRow(styleLabel, m_style);
    setContent(form);
    refreshView();
}

void CGridSnapDialog::refresh()
{
    m_snap->setChecked(m_presenter.Snap());
    m_show->setChecked(m_presenter.ShowGrid());
    m_pitch->setCurrentIndex(m_presenter.Pitch());
    m_style->setCurrentIndex(m_presenter.Style());
}

} // namespace ui
